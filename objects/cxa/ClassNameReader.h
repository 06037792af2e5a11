#pragma once
// The actor library's scan of a CXA file: its class name only.

#include "objects/cxa/CxaFormat.h"
#include "objects/cxa/FixedText.h"

#include <string_view>

namespace cxa {

using LibraryClassName = FixedText<kLibraryClassNameField>;

// False, with className unchanged, when the bytes lack the start magic, the
// class-name length is 0 or less, or the data ends inside the class name. A
// longer class name keeps its first 127 characters.
bool ReadClassName(std::string_view bytes, LibraryClassName& className);
// The same for a file; a file that cannot be read gives false.
bool ReadClassNameFromFile(std::string_view path, LibraryClassName& className);

}  // namespace cxa
