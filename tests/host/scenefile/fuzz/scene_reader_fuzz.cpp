// Arbitrary bytes as a scene file: the reader refuses them with a message or
// gives a scene, and a scene it gives exports into a scratch folder. Beyond
// the sanitizers' checks, a refusal must say where and what.

#include "common/ExportOptions.h"
#include "exporter/T3dExporter.h"
#include "host/os/Files.h"
#include "host/os/Settings.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"
#include "host/scenefile/SceneFileReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/scene-fuzz-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        os::SetSettingsFilePath(std::string(pattern) + "/settings.ini");
        return std::string(pattern);
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string scenePath = Folder() + "/scene.json";
    os::File file = os::File::CreateAlways(scenePath);
    if (!file.Write(data, size) || !file.Close()) std::abort();

    std::string error;
    std::unique_ptr<Scene> scene = ReadSceneFile(scenePath, error);
    if (!scene) {
        // "path: where: what" or "path:line:column: what".
        if (error.compare(0, scenePath.size() + 1, scenePath + ":") != 0 || error.size() <= scenePath.size() + 2) {
            std::abort();
        }
        return 0;
    }
    static ExportOptions options;
    T3dExporter exporter(options);
    ExpInterface ei{scene.get()};
    Interface* ip = GetCoreInterface();
    ip->SetScene(scene.get());
    exporter.DoExport((Folder() + "/out/Level.t3d").c_str(), &ei, ip, true, 0);
    ip->SetScene(nullptr);
    return 0;
}
