#pragma once
// Host text is single bytes of the Windows-1252 code page; the file system
// names files in UTF-8. This is the code page's table and the way from host
// text to a file name.

#include <string>
#include <string_view>

namespace os {

// The character of a byte; 0 for the five bytes the code page leaves
// undefined (and for byte 0).
char32_t Windows1252Character(unsigned char byte);

// Host text as UTF-8; an undefined byte becomes U+FFFD.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace os
