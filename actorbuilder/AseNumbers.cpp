#include "actorbuilder/AseNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace actorbuilder {
namespace {

constexpr std::size_t kMaxNumberBytes = 64;

bool IsDigit(int byte) { return byte >= '0' && byte <= '9'; }
// Blanks, line ends, control bytes and bytes outside ASCII separate tokens.
bool IsSeparator(int byte) { return byte != ByteStream::kEnd && (byte <= 32 || byte >= 128); }
bool IsFloatByte(int byte) {
    return IsDigit(byte) || byte == '-' || byte == '+' || byte == '.' || byte == '/' || byte == 'e' || byte == 'E';
}

int SkipSeparators(ByteStream& in) {
    int byte = in.Next();
    while (IsSeparator(byte)) byte = in.Next();
    return byte;
}

// Digits from first on, up to the limit; the byte after them is given back.
std::int32_t ReadDigits(ByteStream& in, int first) {
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    int byte = first;
    for (std::size_t count = 0; count < kMaxNumberBytes && IsDigit(byte); ++count, byte = in.Next()) {
        value = std::min(value * 10 + (byte - '0'), kLargest);
    }
    if (byte != ByteStream::kEnd) in.Unget();
    return static_cast<std::int32_t>(value);
}

}  // namespace

bool ReadInteger(ByteStream& in, std::int32_t& value) {
    int byte = in.Next();
    while (byte != ByteStream::kEnd && byte != '*' && !IsDigit(byte)) byte = in.Next();
    if (!IsDigit(byte)) {
        if (byte == '*') in.Unget();
        return false;
    }
    value = ReadDigits(in, byte);
    return true;
}

bool ReadFloat(ByteStream& in, float& value) {
    int byte = SkipSeparators(in);
    std::string text;
    while (text.size() < kMaxNumberBytes && IsFloatByte(byte)) {
        text.push_back(static_cast<char>(byte));
        byte = in.Next();
    }
    if (byte != ByteStream::kEnd) in.Unget();
    if (text.empty()) return false;

    // As the C library converts: the longest number at the start, 0 when
    // there is none ("-", "."); from_chars takes no '+'.
    const char* first = text.c_str() + (text[0] == '+' ? 1 : 0);
    double converted = 0;
    const auto [end, error] = std::from_chars(first, text.c_str() + text.size(), converted);
    if (error == std::errc::result_out_of_range) {
        // Too small a value is 0, as the C library gives it; too large fails.
        const std::size_t exponent = text.find_first_of("eE");
        if (exponent == std::string::npos || text.compare(exponent + 1, 1, "-") != 0) return false;
        converted = 0;
    } else if (error != std::errc{} || end == first) {
        converted = 0;
    }
    if (std::fabs(converted) > std::numeric_limits<float>::max()) return false;
    value = static_cast<float>(converted);
    return true;
}

}  // namespace actorbuilder
