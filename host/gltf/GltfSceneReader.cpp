#include "host/gltf/GltfSceneReader.h"

#include "host/gltf/GltfAnimation.h"
#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfExtras.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/GltfModel.h"
#include "host/os/Files.h"

#include <tiny_gltf.h>

#include <string_view>
#include <unistd.h>

namespace gltf {
namespace {

// The absolute folder of path, with its trailing '/'.
std::string AbsoluteFolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of('/');
    std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
    if (!folder.empty() && folder[0] == '/') return folder;
    char current[4096];
    if (!::getcwd(current, sizeof current)) return folder;
    return std::string(current) + "/" + folder;
}

}  // namespace

bool ReadGltfScene(const std::string& path, const GltfReadOptions& options, GltfScene& result, std::string& error,
                   PluginTypeHints hints) {
    result = GltfScene{};
    if (!os::File::OpenRead(path).IsOpen()) {
        error = path + ": cannot read the file: " + os::LastError();
        return false;
    }
    tinygltf::Model model;
    std::string refusal;
    if (!LoadGltfModel(path, model, refusal, result.warnings)) {
        error = path + ": " + refusal;
        return false;
    }
    auto scene = std::make_unique<Scene>();
    GltfContext context(model, *scene, options, AbsoluteFolderOf(os::NativePath(path)));
    try {
        result.nodes = ReadNodes(context);
        ApplyAnimations(result.nodes, context);
        ApplyExtras(result.nodes, context, hints);
    } catch (const GltfError& fault) {
        error = path + ": " + fault.what();
        result = GltfScene{};
        return false;
    }
    result.scene = std::move(scene);
    result.images = std::move(context.embeddedImages);
    result.warnings.insert(result.warnings.end(), context.warnings.begin(), context.warnings.end());
    return true;
}

bool WriteEmbeddedImages(const std::vector<EmbeddedImage>& images, std::string& error) {
    for (const EmbeddedImage& image : images) {
        const std::string_view bytes(reinterpret_cast<const char*>(image.bytes.data()), image.bytes.size());
        if (!os::CreateParentFolders(image.path) || !os::ReplaceFile(image.path, bytes)) {
            error = image.path + ": " + os::LastError();
            return false;
        }
    }
    return true;
}

}  // namespace gltf
