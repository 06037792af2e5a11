#pragma once
// The number reading rules of the ASE geometry reader. No reader takes a
// '*': a number that is missing where a key follows fails instead of
// swallowing the key.

#include "actorbuilder/ByteStream.h"

#include <cstdint>

namespace actorbuilder {

// Skips to the next decimal digit (a minus sign is skipped like any other
// byte, so the value is 0 or more) and reads up to 64 digits. A value beyond
// the 32-bit range is taken as the largest 32-bit value. False when a '*' or
// the end of the data comes before a digit.
bool ReadInteger(ByteStream& in, std::int32_t& value);

// Skips blanks, then reads a decimal number (sign, digits, point, exponent)
// of up to 64 bytes, converted as a double and stored as a float. False when
// anything else starts the number, or the value is beyond a float's range.
bool ReadFloat(ByteStream& in, float& value);

}  // namespace actorbuilder
