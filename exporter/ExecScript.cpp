#include "exporter/ExecScript.h"

#include "common/Sanitize.h"
#include "exporter/EditorFile.h"
#include "host/scene/Interface.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The level's own package is saved with the map, not by the script.
bool SavesPackages(const ExportOptions& options, const std::string& package) {
    return options.SavePackages && !EqualIgnoringCase(package, "myLevel");
}

}  // namespace

void WriteClosingCommands(T3dWriter& writer, const ExportOptions& options, Interface& host) {
    if (!options.UpdateOnly) {
        const std::string command = options.MergedImport ? "MAP IMPORTADD " : "MAP IMPORT ";
        // Named as the file is written: a Linux file system tells the cases apart.
        const std::optional<std::string> file =
            EditorFileArgument(host, writer.Directory() + writer.BaseName() + ".t3d", "the map");
        if (file) writer.WriteExecLine(command + *file);
    }
    if (options.BuildOnImport) {
        writer.WriteExecLine("MAP REBUILD");
        writer.WriteExecLine("BSP REBUILD");
        writer.WriteExecLine("LIGHT APPLY");
    }
    // Cleaned as the import lines clean it: the packages saved are the ones filled.
    std::string package = options.Package;
    Sanitize(package);
    if (SavesPackages(options, package)) {
        writer.WriteExecLine("OBJ SAVEPACKAGE PACKAGE=\"" + package + "_S\" FILE=\"..\\StaticMeshes\\" + package +
                             "_S.usx\"");
        writer.WriteExecLine("OBJ SAVEPACKAGE PACKAGE=\"" + package + "_T\" FILE=\"..\\Textures\\" + package +
                             "_T.utx\"");
        writer.WriteExecLine("OBJ LOAD FILE=\"..\\StaticMeshes\\" + package + "_S.usx\"");
        writer.WriteExecLine("OBJ LOAD FILE=\"..\\Textures\\" + package + "_T.utx\"");
    }
}

std::string ExecCommand(const T3dWriter& writer, const Interface& host) {
    const std::optional<std::string> script =
        host.GetEditorPaths().EditorPath(writer.Directory() + writer.BaseName() + ".exec");
    return script ? "EXEC \"" + *script + "\"" : std::string();
}
