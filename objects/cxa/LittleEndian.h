#pragma once
// Byte assembly of the format's 32-bit fields, least significant byte first,
// whatever the byte order of the machine.

#include <cstdint>
#include <cstring>
#include <string>

namespace cxa {

inline void AppendU32LE(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

// p must hold four bytes.
inline std::uint32_t LoadU32LE(const char* p) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(p[i]);
    return value;
}

inline std::uint32_t FloatBits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float FloatFromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace cxa
