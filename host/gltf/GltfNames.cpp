#include "host/gltf/GltfNames.h"

#include "host/gltf/GltfContext.h"
#include "host/scenekeys/Windows1252.h"

namespace gltf {
namespace {

bool IsContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

bool IsFileNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

}  // namespace

std::string HostText(std::string_view utf8, GltfContext& context) {
    std::string host;
    bool replaced = false;
    // Character by character, so that one that does not fit costs only itself.
    for (std::size_t start = 0; start < utf8.size();) {
        std::size_t end = start + 1;
        while (end < utf8.size() && IsContinuationByte(utf8[end])) ++end;
        std::string converted;
        char32_t unmappable = 0;
        if (scenefile::Utf8ToWindows1252(utf8.substr(start, end - start), converted, unmappable)) {
            host += converted;
        } else {
            host += '_';
            replaced = true;
        }
        start = end;
    }
    if (replaced) context.Warn("names with characters that Windows-1252 cannot hold have them replaced by '_'");
    return host;
}

std::string CleanFileName(std::string_view utf8, const std::string& fallback) {
    std::string name;
    for (char c : utf8) name += IsFileNameCharacter(c) ? c : '_';
    if (name.find_first_not_of('_') == std::string::npos) return fallback;
    return name;
}

}  // namespace gltf
