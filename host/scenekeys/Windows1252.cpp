#include "host/scenekeys/Windows1252.h"

#include <cstddef>
#include <cstdint>

namespace scenefile {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The characters of bytes 0x80..0x9F; zero marks the five bytes the code
// page leaves undefined. Every other byte is the Latin-1 character of the
// same number.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88..8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98..9F
};

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
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == c) return 0x80 + i;
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
