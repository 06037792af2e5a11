#include "common/OptionText.h"

#include <algorithm>

bool IsValidOptionText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return c == '"' || byte < 0x20 || byte == 0x7F;
    });
}
