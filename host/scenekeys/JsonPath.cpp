#include "host/scenekeys/JsonPath.h"

namespace scenefile {
namespace {

bool IsIdentifier(std::string_view key) {
    if (key.empty()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && i > 0)) return false;
    }
    return true;
}

}  // namespace

std::string KeyPath(const std::string& parent, std::string_view key) {
    if (IsIdentifier(key)) return parent.empty() ? std::string(key) : parent + "." + std::string(key);
    std::string path = parent + "[\"";
    for (const char c : key) {
        if (c == '"' || c == '\\') path += '\\';
        path += c;
    }
    return path + "\"]";
}

std::string IndexPath(const std::string& parent, std::size_t index) {
    return parent + "[" + std::to_string(index) + "]";
}

std::string ShownPath(const std::string& path) { return path.empty() ? "(top level)" : path; }

}  // namespace scenefile
