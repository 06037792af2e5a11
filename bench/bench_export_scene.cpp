// Generates scene files of N box nodes sharing 100 materials, reads each back
// and exports it, and reports the time per node for growing N: a time per
// node that grows with N shows work quadratic in the node count. Every node
// writes its own ASE file, so the file system's cost of creating N files is
// shown apart: "user" is this program's own work, "system" the kernel's.

#include "common/PluginSceneTypes.h"
#include "common/ExportOptions.h"
#include "exporter/T3dExporter.h"
#include "host/os/Settings.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"
#include "host/scenefile/SceneFileReader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int kMaterials = 100;

void WriteScene(const std::string& path, int nodes) {
    std::ofstream out(path);
    out << "{\"materials\": [";
    for (int m = 0; m < kMaterials; ++m) {
        out << (m ? "," : "") << "{\"name\": \"Mat" << m << "\", \"type\": \"standard\", \"diffuse\": "
            << "{\"bitmap\": \"C:\\\\tex\\\\Stone" << m << ".bmp\", \"width\": 256, \"height\": 256}}";
    }
    out << "],\n\"nodes\": [";
    for (int n = 0; n < nodes; ++n) {
        out << (n ? ",\n" : "") << "{\"name\": \"Box" << n << "\", \"material\": \"Mat" << n % kMaterials
            << "\", \"transform\": {\"position\": [" << (n % 100) * 64 << ", " << (n / 100) * 64
            << ", 0], \"rotation\": [0, 0, " << n % 360 << "]}, \"object\": {\"type\": \"box\"}}";
    }
    out << "]}\n";
}

struct CpuTime {
    double user;
    double system;
};

CpuTime ProcessCpuTime() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "corvatrix-bench-export";
    std::filesystem::create_directories(folder);
    os::SetSettingsFilePath((folder / "settings.ini").string());
    ExportOptions options;
    Interface* ip = GetCoreInterface();

    std::printf("%8s %8s %9s %14s %12s %14s\n", "nodes", "read s", "export s", "export us/node", "user us/node",
                "system us/node");
    for (int nodes : {2500, 5000, 10000, 20000}) {
        std::string scenePath = (folder / "scene.json").string();
        WriteScene(scenePath, nodes);

        auto start = std::chrono::steady_clock::now();
        std::string error;
        std::unique_ptr<Scene> scene = ReadSceneFile(scenePath, error, kPluginSceneTypes);
        double readSeconds = Seconds(start);
        if (!scene) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }

        ip->SetScene(scene.get());
        T3dExporter exporter(options);
        ExpInterface ei{scene.get()};
        std::string output = (folder / "Level.t3d").string();
        start = std::chrono::steady_clock::now();
        CpuTime before = ProcessCpuTime();
        int done = exporter.DoExport(output.c_str(), &ei, ip, true, 0);
        double exportSeconds = Seconds(start);
        CpuTime after = ProcessCpuTime();
        ip->SetScene(nullptr);
        if (!done) {
            std::fprintf(stderr, "export failed\n");
            return 1;
        }
        std::printf("%8d %8.3f %9.3f %14.1f %12.1f %14.1f\n", nodes, readSeconds, exportSeconds,
                    exportSeconds * 1e6 / nodes, (after.user - before.user) * 1e6 / nodes,
                    (after.system - before.system) * 1e6 / nodes);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
