#include "host/scene/ImageSize.h"

#include "host/os/Files.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Longest header any of the formats needs.
constexpr std::size_t kHeaderBytes = 26;

struct Header {
    unsigned char bytes[kHeaderBytes] = {};
    std::size_t size = 0;

    std::uint32_t U16LE(std::size_t at) const {
        return static_cast<std::uint32_t>(bytes[at] | (bytes[at + 1] << 8));
    }
    std::uint32_t U32LE(std::size_t at) const { return U16LE(at) | (U16LE(at + 2) << 16); }
    std::uint32_t U32BE(std::size_t at) const {
        return (static_cast<std::uint32_t>(bytes[at]) << 24) | (static_cast<std::uint32_t>(bytes[at + 1]) << 16) |
               (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | bytes[at + 3];
    }
};

bool ReadHeader(std::string_view path, Header& header) {
    // A pipe or device named as an image would block or never end.
    if (!os::IsRegularFile(path)) return false;
    os::File file = os::File::OpenRead(path);
    if (!file.IsOpen()) return false;
    while (header.size < kHeaderBytes) {
        const long got = file.Read(header.bytes + header.size, kHeaderBytes - header.size);
        if (got <= 0) break;
        header.size += static_cast<std::size_t>(got);
    }
    return true;
}

bool Positive(std::int64_t value) { return value > 0 && value <= INT_MAX; }

bool ReadPng(const Header& h, int& width, int& height) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (h.size < 24 || std::memcmp(h.bytes, kSignature, 8) != 0 || std::memcmp(h.bytes + 12, "IHDR", 4) != 0) {
        return false;
    }
    const std::int64_t w = h.U32BE(16);
    const std::int64_t ht = h.U32BE(20);
    if (!Positive(w) || !Positive(ht)) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(ht);
    return true;
}

// The info header follows the 14-byte file header; the old 12-byte form has
// 16-bit sizes, the later forms signed 32-bit ones, a negative height
// marking rows stored top-down.
bool ReadBmp(const Header& h, int& width, int& height) {
    if (h.size < 18 || h.bytes[0] != 'B' || h.bytes[1] != 'M') return false;
    std::int64_t w;
    std::int64_t ht;
    if (h.U32LE(14) == 12) {
        if (h.size < 22) return false;
        w = h.U16LE(18);
        ht = h.U16LE(20);
    } else {
        if (h.size < 26) return false;
        w = static_cast<std::int32_t>(h.U32LE(18));
        ht = static_cast<std::int32_t>(h.U32LE(22));
        if (ht < 0) ht = -ht;
    }
    if (!Positive(w) || !Positive(ht)) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(ht);
    return true;
}

// TGA has no signature: the header must hold a known image type, colour-map
// flag and pixel depth.
bool ReadTga(const Header& h, int& width, int& height) {
    if (h.size < 18) return false;
    const unsigned colorMapType = h.bytes[1];
    const unsigned imageType = h.bytes[2];
    const unsigned pixelDepth = h.bytes[16];
    const bool knownType = imageType == 1 || imageType == 2 || imageType == 3 || imageType == 9 ||
                           imageType == 10 || imageType == 11;
    const bool knownDepth =
        pixelDepth == 8 || pixelDepth == 15 || pixelDepth == 16 || pixelDepth == 24 || pixelDepth == 32;
    if (colorMapType > 1 || !knownType || !knownDepth) return false;
    const std::int64_t w = h.U16LE(12);
    const std::int64_t ht = h.U16LE(14);
    if (!Positive(w) || !Positive(ht)) return false;
    width = static_cast<int>(w);
    height = static_cast<int>(ht);
    return true;
}

}  // namespace

bool ReadImageSize(std::string_view path, int& width, int& height) {
    Header header;
    if (!ReadHeader(path, header)) return false;
    return ReadPng(header, width, height) || ReadBmp(header, width, height) || ReadTga(header, width, height);
}
