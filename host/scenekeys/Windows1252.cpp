#include "host/scenekeys/Windows1252.h"

#include "host/os/Windows1252.h"

#include <cstddef>
#include <cstdint>

namespace scenefile {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The next character of utf8 at pos, advancing pos; U+FFFD for a malformed
// sequence.
char32_t NextCharacter(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos++]);
    if (lead < 0x80) return lead;
    int extra;
    char32_t c;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07u;
    } else {
        return kReplacement;
    }
    for (; extra > 0; --extra) {
        if (pos >= utf8.size()) return kReplacement;
        const auto next = static_cast<unsigned char>(utf8[pos]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (next & 0x3Fu);
        ++pos;
    }
    return c;
}

// The Windows-1252 byte of c, or -1.
int ByteOf(char32_t c) {
    if (c == 0) return -1;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        if (os::Windows1252Character(static_cast<unsigned char>(byte)) == c) return byte;
    }
    return -1;
}

}  // namespace

bool Utf8ToWindows1252(std::string_view utf8, std::string& out, char32_t& unmappable) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = NextCharacter(utf8, pos);
        const int byte = ByteOf(c);
        if (byte < 0) {
            unmappable = c;
            return false;
        }
        out += static_cast<char>(static_cast<unsigned char>(byte));
    }
    return true;
}

}  // namespace scenefile
