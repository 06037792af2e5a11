#include "host/gltf/GltfFileType.h"

#include "host/os/Files.h"

#include <nlohmann/json.hpp>

#include <cstring>
#include <strings.h>

namespace gltf {
namespace {

bool HasExtension(const std::string& path, const char* extension) {
    const std::size_t length = std::strlen(extension);
    return path.size() > length && ::strcasecmp(path.c_str() + path.size() - length, extension) == 0;
}

// A JSON document whose top level holds "asset": our scene file has no such key.
bool HasAssetKey(const std::string& path) {
    std::string text;
    if (!os::ReadWholeFile(path, text)) return false;
    const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    return document.is_object() && document.contains("asset");
}

}  // namespace

bool HasGlbMagic(const std::string& path) {
    os::File file = os::File::OpenRead(path);
    char magic[4] = {};
    return file.IsOpen() && file.Read(magic, sizeof magic) == 4 && std::memcmp(magic, "glTF", 4) == 0;
}

bool IsGltfFile(const std::string& path) {
    if (HasExtension(path, ".gltf") || HasExtension(path, ".glb") || HasGlbMagic(path)) return true;
    return !HasExtension(path, ".json") && HasAssetKey(path);
}

}  // namespace gltf
