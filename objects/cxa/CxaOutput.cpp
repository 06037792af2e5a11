#include "objects/cxa/CxaOutput.h"

#include "objects/cxa/LittleEndian.h"

namespace cxa {

void CxaOutput::U32(std::uint32_t value) { AppendU32LE(bytes_, value); }

void CxaOutput::I32(std::int32_t value) { AppendU32LE(bytes_, static_cast<std::uint32_t>(value)); }

void CxaOutput::F32(float value) { AppendU32LE(bytes_, FloatBits(value)); }

void CxaOutput::String(std::string_view text) {
    I32(static_cast<std::int32_t>(text.size() + 1));
    bytes_.append(text);
    bytes_.push_back('\0');
}

}  // namespace cxa
