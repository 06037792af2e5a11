#include "objects/cxa/CxaInput.h"

#include "objects/cxa/LittleEndian.h"

namespace cxa {

bool CxaInput::U32(std::uint32_t& value) {
    if (Remaining() < 4) return false;
    value = LoadU32LE(bytes_.data() + position_);
    position_ += 4;
    return true;
}

bool CxaInput::I32(std::int32_t& value) {
    std::uint32_t bits = 0;
    if (!U32(bits)) return false;
    value = static_cast<std::int32_t>(bits);
    return true;
}

bool CxaInput::F32(float& value) {
    std::uint32_t bits = 0;
    if (!U32(bits)) return false;
    value = FloatFromBits(bits);
    return true;
}

bool CxaInput::String(std::string_view& stored) {
    std::int32_t length = 0;
    const std::size_t start = position_;
    if (!I32(length)) return false;
    if (length <= 0 || static_cast<std::size_t>(length) > Remaining()) {
        position_ = start;
        return false;
    }
    stored = bytes_.substr(position_, static_cast<std::size_t>(length));
    position_ += static_cast<std::size_t>(length);
    return true;
}

}  // namespace cxa
