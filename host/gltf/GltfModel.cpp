#include "host/gltf/GltfModel.h"

#include "host/gltf/GltfFileType.h"

#include <stb/stb_image.h>
#include <tiny_gltf.h>

#include <climits>
#include <exception>
#include <string>

namespace gltf {
namespace {

// Whether an image in a buffer view lies inside its buffer: the library hands
// the view's bytes over without checking (it has checked both indexes).
bool InsideItsBuffer(const tinygltf::Image& image, int index, const tinygltf::Model& model, std::string& error) {
    if (image.bufferView < 0) return true;
    const tinygltf::BufferView& view = model.bufferViews[static_cast<std::size_t>(image.bufferView)];
    const std::size_t size = model.buffers[static_cast<std::size_t>(view.buffer)].data.size();
    if (view.byteOffset <= size && view.byteLength <= size - view.byteOffset && view.byteLength <= INT_MAX) return true;
    error += "image " + std::to_string(index) + ": its buffer view " + std::to_string(image.bufferView) +
             " reaches past the end of buffer " + std::to_string(view.buffer) + "\n";
    return false;
}

// Keeps the encoded bytes (they are written out or imported as they are) and
// reads the size from the header; an image of an unknown format has the
// size 0 x 0, as a bitmap whose file cannot be read.
bool KeepImageBytes(tinygltf::Image* image, const int index, std::string* error, std::string*, int, int,
                    const unsigned char* bytes, int size, void* modelBeingRead) {
    if (!InsideItsBuffer(*image, index, *static_cast<const tinygltf::Model*>(modelBeingRead), *error)) return false;
    image->as_is = true;
    image->image.assign(bytes, bytes + size);
    int width = 0;
    int height = 0;
    int components = 0;
    if (stbi_info_from_memory(bytes, size, &width, &height, &components) == 0) width = height = 0;
    image->width = width;
    image->height = height;
    image->component = components;
    return true;
}

void SplitLines(const std::string& text, std::vector<std::string>& lines) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

bool LoadGltfModel(const std::string& path, tinygltf::Model& model, std::string& error,
                   std::vector<std::string>& warnings) {
    tinygltf::TinyGLTF loader;
    loader.SetImageLoader(KeepImageBytes, &model);
    loader.SetStoreOriginalJSONForExtrasAndExtensions(true);
    std::string libraryError;
    std::string libraryWarning;
    bool loaded = false;
    try {
        loaded = HasGlbMagic(path) ? loader.LoadBinaryFromFile(&model, &libraryError, &libraryWarning, path)
                                   : loader.LoadASCIIFromFile(&model, &libraryError, &libraryWarning, path);
    } catch (const std::exception& fault) {
        // The library trips over some malformed files instead of reporting them.
        error = std::string("not a glTF file the reader understands (") + fault.what() + ")";
        return false;
    }
    SplitLines(libraryWarning, warnings);
    if (loaded) return true;
    std::vector<std::string> lines;
    SplitLines(libraryError, lines);
    error.clear();
    for (const std::string& line : lines) error += (error.empty() ? "" : "; ") + line;
    if (error.empty()) error = "not a glTF file the reader understands";
    return false;
}

}  // namespace gltf
