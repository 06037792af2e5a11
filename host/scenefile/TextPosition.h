#pragma once
// Where a byte of a text file sits, as an editor shows it.

#include <cstddef>
#include <string_view>

namespace scenefile {

struct TextPosition {
    std::size_t line;    // from 1
    std::size_t column;  // from 1, in characters (UTF-8 sequences count once)
};

// The position of the byte at offset (0-based); an offset at or past the
// end is the place just after the last character.
TextPosition PositionOfByte(std::string_view text, std::size_t offset);

}  // namespace scenefile
