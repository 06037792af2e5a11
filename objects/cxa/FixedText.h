#pragma once
// A text field of fixed size, as the definition records hold their texts. It
// keeps at most Size - 1 characters and always ends with a NUL, so a stored
// text longer than the field can neither overrun it nor leave it unterminated.

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace cxa {

template <std::size_t Size>
class FixedText {
    static_assert(Size > 0, "a field needs room for its NUL");

public:
    static constexpr std::size_t kCapacity = Size - 1;

    // Keeps the text up to its first NUL, cut to the capacity; the rest of
    // the field is zero.
    void Assign(std::string_view text) {
        const std::size_t kept = std::min(text.substr(0, text.find('\0')).size(), kCapacity);
        std::fill(std::copy_n(text.data(), kept, bytes_), bytes_ + Size, '\0');
    }

    // The text; its data() is NUL-terminated.
    std::string_view View() const { return bytes_; }

private:
    char bytes_[Size] = {};
};

}  // namespace cxa
