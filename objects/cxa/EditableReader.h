#pragma once
// The Actor Builder's read-back of a CXA file: the class name and the
// property list, the part of a file it can edit.

#include "objects/cxa/CxaFormat.h"
#include "objects/cxa/FixedText.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace cxa {

struct EditableProperty {
    std::int32_t type = kBoolean;
    std::int32_t defaultValue = 0;
    FixedText<kEditNameField> name;
    FixedText<kEditT3dNameField> t3dName;
    FixedText<kEditEnumValuesField> enumValues;
};

struct EditableDefinition {
    FixedText<kClassNameField> className;
    std::vector<EditableProperty> properties;
};

// False, with definition unchanged, when the bytes lack the start magic or a
// whole class name (length above 0). Otherwise the class name and the
// property records read whole, in order: a file cut short, or a bad record,
// ends the list with the records before it.
bool ReadEditable(std::string_view bytes, EditableDefinition& definition);
// The same for a file; a file that cannot be read gives false.
bool ReadEditableFromFile(std::string_view path, EditableDefinition& definition);

}  // namespace cxa
