#pragma once
// Bitmap resources as tables in code: a picture is drawn as rows of
// characters, each naming a colour of the picture's palette.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace ui {

// A colour as 0x00BBGGRR.
using COLORREF = std::uint32_t;

constexpr COLORREF RGB(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

struct PaletteEntry {
    char key;
    COLORREF colour;
};

class Bitmap {
public:
    // rows: the top row first, all as wide as the first.
    Bitmap(int id, std::initializer_list<PaletteEntry> palette, std::initializer_list<const char*> rows);

    int Id() const { return id_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Black outside the picture.
    COLORREF Pixel(int x, int y) const;
    // False when a row differs in width from the first or uses a character
    // the palette does not name (those pixels are black).
    bool WellFormed() const { return wellFormed_; }

private:
    int id_;
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
    bool wellFormed_ = true;
};

}  // namespace ui
