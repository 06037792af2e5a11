#pragma once
// The two number formats of every text the exporter writes: integers as
// "%ld" and floats as "%04f" of the value widened to double, except that a
// value printing as zero never carries a minus sign (a mirrored axis must not
// put "-0.000000" into a map). Both write into the caller's buffer.

#include <cstddef>
#include <cstdint>

namespace textout {

// Room that FormatFloat may need: sign, 39 digits of FLT_MAX, point, 6 decimals.
constexpr std::size_t kFloatTextMax = 48;
// Room that FormatLong may need: "-2147483648".
constexpr std::size_t kLongTextMax = 11;

// Writes the text of value at out (at most kFloatTextMax bytes, no
// terminating zero) and returns the end of the text.
char* FormatFloat(char* out, float value);

// Writes the text of value at out (at most kLongTextMax bytes, no
// terminating zero) and returns the end of the text.
char* FormatLong(char* out, std::int32_t value);

}  // namespace textout
