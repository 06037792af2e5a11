#include "common/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace textout {
namespace {

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr std::uint32_t kMillion = 1000000;

char* CopyText(char* out, const char* text, std::size_t size) {
    std::memcpy(out, text, size);
    return out + size;
}

char* CopyPair(char* out, std::uint64_t pair) { return CopyText(out, kDigitPairs + 2 * pair, 2); }

// The decimal digits of value, without leading zeros ("0" for zero).
char* FormatUnsigned(char* out, std::uint64_t value) {
    char digits[20];
    char* start = digits + sizeof digits;
    for (; value >= 100; value /= 100) CopyPair(start -= 2, value % 100);
    if (value >= 10) {
        CopyPair(start -= 2, value);
    } else {
        *--start = static_cast<char>('0' + value);
    }
    return CopyText(out, start, static_cast<std::size_t>(digits + sizeof digits - start));
}

// A fraction below one million as its six decimals, leading zeros kept.
char* FormatSixDecimals(char* out, std::uint32_t millionths) {
    out = CopyPair(out, millionths / 10000);
    out = CopyPair(out, millionths / 100 % 100);
    return CopyPair(out, millionths % 100);
}

// A finite float's exact value as mantissa × 2^exponent.
struct Binary {
    bool negative;
    std::uint64_t mantissa;
    int exponent;
};

Binary Decompose(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const auto biased = static_cast<int>((bits >> 23) & 0xFFu);
    const std::uint64_t fraction = bits & 0x7FFFFFu;
    const bool negative = (bits >> 31) != 0;
    if (biased == 0) return {negative, fraction, -149};  // zero and the denormals
    return {negative, fraction | (1u << 23), biased - 150};
}

// mantissa × 2^-shift in millionths, rounded to nearest with ties to even
// as printf rounds the exact value. Exact: mantissa × 10^6 stays below 2^44.
std::uint64_t RoundedMillionths(std::uint64_t mantissa, int shift) {
    const std::uint64_t scaled = mantissa * kMillion;
    if (shift >= 64) return 0;  // below 2^-20, far from half a millionth
    const std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return whole + ((rest > half || (rest == half && (whole & 1))) ? 1 : 0);
}

// Integers up to 2^64 are shifted mantissas; beyond that the general path
// formats them (such values never print as zero).
constexpr int kLargestExactShift = 40;

}  // namespace

char* FormatFloat(char* out, float value) {
    // The C library pads "inf" and "nan" to the width of 4 with a blank (the
    // zero flag does not apply to them) and keeps the sign of a NaN.
    if (std::isnan(value)) return CopyText(out, std::signbit(value) ? "-nan" : " nan", 4);
    if (std::isinf(value)) return CopyText(out, value < 0 ? "-inf" : " inf", 4);

    const Binary binary = Decompose(value);
    if (binary.exponent > kLargestExactShift) {
        // to_chars rounds the exact binary value correctly, as printf does.
        return std::to_chars(out, out + kFloatTextMax, static_cast<double>(value), std::chars_format::fixed, 6).ptr;
    }

    std::uint64_t whole;
    std::uint32_t millionths = 0;
    if (binary.exponent >= 0) {
        whole = binary.mantissa << binary.exponent;
    } else {
        const std::uint64_t rounded = RoundedMillionths(binary.mantissa, -binary.exponent);
        whole = rounded / kMillion;
        millionths = static_cast<std::uint32_t>(rounded % kMillion);
    }
    if (binary.negative && (whole | millionths) != 0) *out++ = '-';
    out = FormatUnsigned(out, whole);
    *out++ = '.';
    return FormatSixDecimals(out, millionths);
}

char* FormatLong(char* out, std::int32_t value) {
    std::uint32_t magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        *out++ = '-';
        magnitude = 0u - magnitude;
    }
    return FormatUnsigned(out, magnitude);
}

char* FormatPaddedLong(char* out, std::int32_t value, int width) {
    char text[kLongTextMax];
    const auto size = static_cast<int>(FormatLong(text, value) - text);
    if (size < width) {
        std::memset(out, ' ', static_cast<std::size_t>(width - size));
        out += width - size;
    }
    return CopyText(out, text, static_cast<std::size_t>(size));
}

}  // namespace textout
