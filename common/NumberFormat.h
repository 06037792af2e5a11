#pragma once
// The number formats of every text the exporter writes: integers as "%ld"
// (also right-aligned in a field, as "%5ld") and floats as "%04f" of the
// value widened to double, except that a value printing as zero never
// carries a minus sign (a mirrored axis must not put "-0.000000" into a map).
// All write into the caller's buffer.

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

// As FormatLong, with blanks in front up to width characters (the sign
// counts); a wider number is written whole. With width at most kLongTextMax
// the text takes at most kLongTextMax bytes.
char* FormatPaddedLong(char* out, std::int32_t value, int width);

}  // namespace textout
