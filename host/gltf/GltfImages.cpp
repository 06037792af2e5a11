#include "host/gltf/GltfImages.h"

#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/GltfNames.h"

#include <tiny_gltf.h>

#include <cstring>

namespace gltf {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// URIs escape bytes as %XX.
std::string DecodeUri(const std::string& uri) {
    std::string path;
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size() && HexDigit(uri[i + 1]) >= 0 && HexDigit(uri[i + 2]) >= 0) {
            path += static_cast<char>(HexDigit(uri[i + 1]) * 16 + HexDigit(uri[i + 2]));
            i += 2;
        } else {
            path += uri[i];
        }
    }
    return path;
}

bool StartsWith(const std::vector<unsigned char>& bytes, const char* magic) {
    const std::size_t length = std::strlen(magic);
    return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

// The extension of the image's format; the file's own bytes tell it best.
const char* ExtensionOf(const tinygltf::Image& image) {
    if (StartsWith(image.image, "\x89PNG")) return ".png";
    if (StartsWith(image.image, "\xFF\xD8\xFF")) return ".jpg";
    if (StartsWith(image.image, "BM")) return ".bmp";
    if (StartsWith(image.image, "GIF8")) return ".gif";
    if (image.mimeType == "image/jpeg") return ".jpg";
    return ".png";
}

std::string EmbeddedName(const tinygltf::Image& image, int index, const std::string& materialName,
                         GltfContext& context) {
    const std::string fallback = CleanFileName(materialName, "Image_" + std::to_string(index));
    const std::string stem = CleanFileName(image.name, fallback);
    const char* extension = ExtensionOf(image);
    std::string name = stem + extension;
    for (int copy = 2; !context.embeddedNames.insert(name).second; ++copy) {
        name = stem + "_" + std::to_string(copy) + extension;
    }
    return name;
}

bool IsDataUri(const std::string& uri) { return uri.compare(0, 5, "data:") == 0; }

}  // namespace

const ImageFile& ImageFileOf(int index, const std::string& materialName, GltfContext& context) {
    if (const auto known = context.images.find(index); known != context.images.end()) return known->second;
    if (index < 0 || static_cast<std::size_t>(index) >= context.model.images.size()) {
        throw GltfError("image " + std::to_string(index) + " is not there");
    }
    const tinygltf::Image& image = context.model.images[static_cast<std::size_t>(index)];
    std::string path;
    if (!image.uri.empty() && !IsDataUri(image.uri)) {
        path = DecodeUri(image.uri);
        if (path.empty() || path[0] != '/') path = context.fileFolder + path;
    } else {
        path = context.options.textureFolder + EmbeddedName(image, index, materialName, context);
        context.embeddedImages.push_back(EmbeddedImage{path, image.image});
    }
    ImageFile file{HostText(path, context), image.width, image.height};
    return context.images.emplace(index, std::move(file)).first->second;
}

}  // namespace gltf
