#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace textout {
namespace {

char* CopyText(char* out, const char* text, std::size_t size) {
    std::memcpy(out, text, size);
    return out + size;
}

// The text a negative value gets when it rounds to zero.
constexpr char kNegativeZero[] = "-0.000000";
constexpr std::size_t kNegativeZeroSize = sizeof kNegativeZero - 1;

}  // namespace

char* FormatFloat(char* out, float value) {
    const double wide = value;
    // The C library pads "inf" and "nan" to the width of 4 with a blank (the
    // zero flag does not apply to them) and keeps the sign of a NaN.
    if (std::isnan(wide)) return CopyText(out, std::signbit(wide) ? "-nan" : " nan", 4);
    if (std::isinf(wide)) return CopyText(out, wide < 0 ? "-inf" : " inf", 4);

    // to_chars rounds the exact binary value correctly, ties to even, as
    // the C library's printf does in the default rounding mode.
    char* end = std::to_chars(out, out + kFloatTextMax, wide, std::chars_format::fixed, 6).ptr;
    const auto size = static_cast<std::size_t>(end - out);
    if (size == kNegativeZeroSize && std::memcmp(out, kNegativeZero, kNegativeZeroSize) == 0) {
        return CopyText(out, kNegativeZero + 1, kNegativeZeroSize - 1);
    }
    return end;
}

char* FormatLong(char* out, std::int32_t value) {
    return std::to_chars(out, out + kLongTextMax, value).ptr;
}

}  // namespace textout
