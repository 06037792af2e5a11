#include "host/ui/Bitmap.h"

#include <algorithm>
#include <string_view>

namespace ui {

Bitmap::Bitmap(int id, std::initializer_list<PaletteEntry> palette, std::initializer_list<const char*> rows)
    : id_(id), height_(static_cast<int>(rows.size())) {
    if (rows.size() != 0) width_ = static_cast<int>(std::string_view(*rows.begin()).size());
    pixels_.assign(static_cast<std::size_t>(width_) * rows.size(), RGB(0, 0, 0));
    auto pixel = pixels_.begin();
    for (std::string_view row : rows) {
        wellFormed_ = wellFormed_ && static_cast<int>(row.size()) == width_;
        for (int x = 0; x < width_; ++x, ++pixel) {
            const char key = static_cast<std::size_t>(x) < row.size() ? row[static_cast<std::size_t>(x)] : '\0';
            auto entry =
                std::find_if(palette.begin(), palette.end(), [key](const PaletteEntry& e) { return e.key == key; });
            if (entry == palette.end()) {
                wellFormed_ = false;
                continue;
            }
            *pixel = entry->colour;
        }
    }
}

COLORREF Bitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return RGB(0, 0, 0);
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
}

}  // namespace ui
