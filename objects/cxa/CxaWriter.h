#pragma once
// The Actor Builder's writer of CXA files.

#include "objects/cxa/CxaOutput.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cxa {

// One row of the Actor Builder's property list, as its cells hold it.
struct PropertyRow {
    std::string name;
    std::string type;  // one of the six type names
    std::string t3dName;
    std::string defaultText;
    std::string enumValues;
};

// The Actor Builder's form: what a save writes.
struct DefinitionForm {
    std::string className;
    std::vector<PropertyRow> rows;
    bool useCustomGeometry = false;
    bool renderable = false;
    bool wireframe = false;
    std::string asePath;
};

// Appends the geometry block read from the ASE file at asePath; false when
// the file is rejected.
using GeometryAppender = std::function<bool(std::string_view asePath, CxaOutput& out)>;

// The default cell's integer: optional leading blanks and sign, then digits;
// 0 without digits; beyond the 32-bit range, the nearest limit.
std::int32_t DefaultFromText(std::string_view text);

// The bytes of the file. Fails on an empty class name, a text longer than
// the narrowest reader holds (class name 127, name and T3D name 63, enum
// values 127 characters), an unknown type name, or custom geometry with an
// empty ASE path, no appender or an appender that fails. A text counts up to
// its first NUL.
bool EncodeDefinition(const DefinitionForm& form, const GeometryAppender& appendGeometry, std::string& bytes);

// Encodes, then writes the file under a temporary name that replaces any
// file of that name once it is whole. A failure leaves the file system as it
// was.
bool WriteDefinitionFile(std::string_view path, const DefinitionForm& form, const GeometryAppender& appendGeometry);

}  // namespace cxa
