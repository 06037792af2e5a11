#include "objects/cxa/EditableReader.h"

#include "host/os/Files.h"
#include "objects/cxa/CxaInput.h"

#include <string>
#include <utility>

namespace cxa {

bool ReadEditable(std::string_view bytes, EditableDefinition& definition) {
    CxaInput in(bytes);
    EditableDefinition read;
    if (!ReadMagicAndClassName(in, read.className)) return false;
    std::int32_t count = 0;
    if (in.I32(count)) ReadPropertyRecords(in, count, read.properties);
    definition = std::move(read);
    return true;
}

bool ReadEditableFromFile(std::string_view path, EditableDefinition& definition) {
    std::string bytes;
    return os::ReadWholeFile(path, bytes) && ReadEditable(bytes, definition);
}

}  // namespace cxa
