#include "host/plugins/DefaultPluginFolder.h"

#include "host/plugins/ModuleFiles.h"

#include <cstdlib>
#include <filesystem>

std::string DefaultPluginFolder(std::string_view programPath) {
    const char* chosen = std::getenv("CORVATRIX_PLUGINS");
    if (chosen && *chosen) return chosen;

    std::filesystem::path programFolder = std::filesystem::path(programPath).parent_path();
    if (programFolder.empty()) programFolder = ".";
    if (!ModuleFilesIn(programFolder.string()).empty()) return programFolder.string();
    return (programFolder / ".." / "lib" / "corvatrix").lexically_normal().string();
}
