#pragma once
// The bytes of a CXA file as they are written: 32-bit fields little-endian,
// texts as their length with the NUL, then the bytes and the NUL. The writer
// and the geometry block's producer append to the same output.

#include <cstdint>
#include <string>
#include <string_view>

namespace cxa {

class CxaOutput {
public:
    void U32(std::uint32_t value);
    void I32(std::int32_t value);
    void F32(float value);
    // text must hold no NUL of its own: Box becomes 04 00 00 00 42 6F 78 00.
    void String(std::string_view text);

    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace cxa
