#include "objects/cxa/ClassNameReader.h"

#include "host/os/Files.h"
#include "objects/cxa/CxaInput.h"

#include <string>

namespace cxa {

bool ReadClassName(std::string_view bytes, LibraryClassName& className) {
    CxaInput in(bytes);
    return ReadMagicAndClassName(in, className);
}

bool ReadClassNameFromFile(std::string_view path, LibraryClassName& className) {
    std::string bytes;
    return os::ReadWholeFile(path, bytes) && ReadClassName(bytes, className);
}

}  // namespace cxa
