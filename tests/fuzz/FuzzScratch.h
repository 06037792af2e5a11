#pragma once
// What the readers' fuzz targets share: a scratch folder of their own (with
// the settings file inside), the input written into it as a file, and the
// export of a scene that was read.

#include "common/ExportOptions.h"
#include "exporter/T3dExporter.h"
#include "host/os/Files.h"
#include "host/os/Settings.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace fuzz {

inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/corvatrix-fuzz-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        os::SetSettingsFilePath(std::string(pattern) + "/settings.ini");
        return std::string(pattern);
    }();
    return folder;
}

// The input as the file name in the scratch folder; its path.
inline std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    os::File file = os::File::CreateAlways(path);
    if (!file.Write(data, size) || !file.Close()) std::abort();
    return path;
}

inline void ExportScene(Scene& scene) {
    static ExportOptions options;
    T3dExporter exporter(options);
    ExpInterface ei{&scene};
    Interface* ip = GetCoreInterface();
    ip->SetScene(&scene);
    exporter.DoExport((ScratchFolder() + "/out/Level.t3d").c_str(), &ei, ip, true, 0);
    ip->SetScene(nullptr);
}

}  // namespace fuzz
