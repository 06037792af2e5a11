#include "exporter/TextureImport.h"

#include "common/T3dWriter.h"
#include "exporter/EditorFile.h"
#include "exporter/LowerCase.h"
#include "host/image/TgaConversion.h"
#include "host/os/EditorPaths.h"
#include "host/os/Files.h"
#include "host/os/Windows1252.h"
#include "host/scene/ImageSize.h"
#include "host/scene/Interface.h"

#include <algorithm>
#include <optional>

namespace {

// What the editor imports itself; every other image becomes a TGA.
constexpr const char* kEditorFormats[] = {"bmp", "pcx", "tga", "dds"};
constexpr const char* kConvertedFolder = "textures/";

std::string LowerExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t folderEnd = path.find_last_of("\\/");
    if (dot == std::string::npos || (folderEnd != std::string::npos && dot < folderEnd)) return {};
    return LowerCase(path.substr(dot + 1));
}

bool EditorImports(const std::string& path) {
    const std::string extension = LowerExtension(path);
    return std::any_of(std::begin(kEditorFormats), std::end(kEditorFormats),
                       [&extension](const char* format) { return extension == format; });
}

bool PowerOfTwo(int size) { return size > 0 && (size & (size - 1)) == 0; }

void CheckSize(const std::string& path, int width, int height, Interface& host) {
    if (PowerOfTwo(width) && PowerOfTwo(height)) return;
    host.Warn("texture size not a power of two", "bitmap " + path + " is " + std::to_string(width) + "x" +
                                                     std::to_string(height) +
                                                     ": the editor's batch import stops at it with a message box");
}

// The file the editor is to import: the bitmap itself, or its TGA copy.
std::string ImportedFile(const std::string& path, const std::string& name, T3dWriter& writer, Interface& host) {
    // A path on the editor's side, or one relative to nothing known, names
    // no file to look at here.
    if (os::IsWindowsPath(path) || path.empty() || path[0] != '/') return path;
    // The bitmap path is host text; the file system names files in UTF-8.
    const std::string file = os::Windows1252ToUtf8(path);
    if (!os::FileExists(file)) {
        host.Warn("missing bitmap file", "bitmap " + file + " (texture " + name + ") does not exist");
        return path;
    }
    if (!os::IsRegularFile(file)) {
        host.Warn("bitmap that is not a file", "bitmap " + file + " (texture " + name + ") is not a regular file");
        return path;
    }
    if (EditorImports(path)) {
        int width = 0;
        int height = 0;
        if (ReadImageSize(file, width, height)) CheckSize(file, width, height, host);
        return path;
    }
    const std::string folder = writer.Directory() + kConvertedFolder;
    const std::string converted = folder + name + ".tga";
    image::ConvertedImage image;
    std::string error;
    if (!os::CreateDirectory(folder) || !image::ConvertToTga(file, converted, image, error)) {
        if (error.empty()) error = "cannot be converted: folder " + folder + " cannot be created";
        host.Warn("bitmap that cannot be converted", "bitmap " + file + " " + error + "; imported as it is");
        return path;
    }
    CheckSize(file, image.width, image.height, host);
    return converted;
}

}  // namespace

void WriteTextureImport(const std::string& path, const std::string& name, const std::string& texturePackage,
                        const std::string& group, T3dWriter& writer, Interface& host) {
    const std::optional<std::string> file =
        EditorFileArgument(host, ImportedFile(path, name, writer, host), "bitmap of texture " + name);
    if (!file) return;
    writer.WriteExecLine("TEXTURE IMPORT " + *file + " NAME=\"" + name + "\" PACKAGE=\"" + texturePackage +
                         "\" GROUP=\"" + group + "\" MIPS=1 MASKED=0");
}
