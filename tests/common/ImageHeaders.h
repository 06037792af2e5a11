#pragma once
// Image files made of their headers alone, for the code that reads a bitmap's
// size: nothing of the pixels is needed.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace image_headers {

using Bytes = std::vector<unsigned char>;

inline void PutLE(Bytes& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    }
}

inline void PutBE32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * (3 - i)));
    }
}

// File header and a 40-byte info header; a negative height is top-down.
inline Bytes Bmp(std::int32_t width, std::int32_t height) {
    Bytes bytes(54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 14, 40, 4);
    PutLE(bytes, 18, static_cast<std::uint32_t>(width), 4);
    PutLE(bytes, 22, static_cast<std::uint32_t>(height), 4);
    PutLE(bytes, 26, 1, 2);
    PutLE(bytes, 28, 24, 2);
    return bytes;
}

// The old 12-byte info header with 16-bit sizes.
inline Bytes CoreBmp(std::uint16_t width, std::uint16_t height) {
    Bytes bytes(26, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLE(bytes, 14, 12, 4);
    PutLE(bytes, 18, width, 2);
    PutLE(bytes, 20, height, 2);
    PutLE(bytes, 22, 1, 2);
    PutLE(bytes, 24, 24, 2);
    return bytes;
}

// imageType 2 is true colour, 10 run-length encoded true colour.
inline Bytes Tga(std::uint16_t width, std::uint16_t height, unsigned char imageType = 2) {
    Bytes bytes(18, 0);
    bytes[2] = imageType;
    PutLE(bytes, 12, width, 2);
    PutLE(bytes, 14, height, 2);
    bytes[16] = 32;
    return bytes;
}

// Signature and IHDR chunk.
inline Bytes Png(std::uint32_t width, std::uint32_t height) {
    Bytes bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    bytes.resize(33, 0);
    PutBE32(bytes, 16, width);
    PutBE32(bytes, 20, height);
    bytes[24] = 8;
    bytes[25] = 6;
    return bytes;
}

}  // namespace image_headers
