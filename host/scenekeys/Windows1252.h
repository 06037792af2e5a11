#pragma once
// Text as the plug-ins receive it: single bytes of the Windows-1252 code page.

#include <string>
#include <string_view>

namespace scenefile {

// Converts UTF-8 text. False when a character has no Windows-1252 byte (or
// is the zero character, which host text cannot carry); unmappable is then
// that character, and a malformed sequence reports U+FFFD.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out, char32_t& unmappable);

}  // namespace scenefile
