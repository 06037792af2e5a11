#include "exporter/EditorName.h"

#include <cstdint>

namespace {

constexpr std::size_t kHashDigits = 8;

// FNV-1a: small, and the same on every platform.
std::uint32_t HashOf(const std::string& text) {
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

}  // namespace

bool FitEditorName(std::string& name) {
    if (name.size() <= kEditorNameMax) return false;
    static const char kDigits[] = "0123456789ABCDEF";
    std::uint32_t hash = HashOf(name);
    name.resize(kEditorNameMax - kHashDigits);
    name[name.size() - 1] = '_';
    std::string digits(kHashDigits, '0');
    for (std::size_t i = kHashDigits; i-- > 0; hash >>= 4) digits[i] = kDigits[hash & 0xF];
    name += digits;
    return true;
}
