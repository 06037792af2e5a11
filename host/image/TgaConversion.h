#pragma once
// Turns an image the level editor cannot import (PNG, JPEG and the other
// formats the system's image library decodes) into a TGA file it can.

#include <string>
#include <string_view>

namespace image {

struct ConvertedImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
};

// Decodes source and writes target as an uncompressed TGA: 32-bit when the
// image has an alpha channel, else 24-bit. The target is replaced whole or
// not at all. False, with the reason in error, when source cannot be read
// or decoded or target cannot be written.
bool ConvertToTga(std::string_view source, std::string_view target, ConvertedImage& image, std::string& error);

}  // namespace image
