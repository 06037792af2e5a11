#include "host/scenefile/TextPosition.h"

namespace scenefile {

TextPosition PositionOfByte(std::string_view text, std::size_t offset) {
    if (offset > text.size()) offset = text.size();
    TextPosition position{1, 1};
    for (std::size_t i = 0; i < offset; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++position.line;
            position.column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++position.column;
        }
    }
    return position;
}

}  // namespace scenefile
