// Arbitrary bytes as a glTF file (text or binary): the reader refuses them
// with a message naming the file or gives a scene, whose embedded images are
// written and which exports into a scratch folder. Beyond the sanitizers'
// checks, a refusal must name the file.

#include "common/ExportOptions.h"
#include "exporter/T3dExporter.h"
#include "host/gltf/GltfSceneReader.h"
#include "host/os/Files.h"
#include "host/os/Settings.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/gltf-fuzz-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        os::SetSettingsFilePath(std::string(pattern) + "/settings.ini");
        return std::string(pattern);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string scenePath = Folder() + "/level.gltf";
    os::File file = os::File::CreateAlways(scenePath);
    if (!file.Write(data, size) || !file.Close()) std::abort();

    gltf::GltfReadOptions options;
    options.textureFolder = Folder() + "/out/textures/";
    gltf::GltfScene result;
    std::string error;
    if (!gltf::ReadGltfScene(scenePath, options, result, error)) {
        if (error.compare(0, scenePath.size() + 2, scenePath + ": ") != 0) std::abort();
        return 0;
    }
    if (!gltf::WriteEmbeddedImages(result.images, error) && error.empty()) std::abort();
    static ExportOptions exportOptions;
    T3dExporter exporter(exportOptions);
    ExpInterface ei{result.scene.get()};
    Interface* ip = GetCoreInterface();
    ip->SetScene(result.scene.get());
    exporter.DoExport((Folder() + "/out/Level.t3d").c_str(), &ei, ip, true, 0);
    ip->SetScene(nullptr);
    return 0;
}
