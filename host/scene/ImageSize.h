#pragma once
// The pixel size of an image file, read from its header alone.

#include <string_view>

// BMP (either row order), TGA and PNG files. False, leaving width and height
// untouched, when the file cannot be read or is none of these.
bool ReadImageSize(std::string_view path, int& width, int& height);
