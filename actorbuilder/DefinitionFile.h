#pragma once
// Saving a definition as a CXA file with the mesh of its ASE file, and the
// checks of a form's texts: what the window's Save and the batch mode share.

#include "objects/cxa/CxaWriter.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace actorbuilder {

// What is wrong with a property's default for its type: not a 32-bit whole
// number (decimal digits after an optional sign), a BOOLEAN other than 0 or
// 1, a BYTE outside 0 to 255, an ENUM index of no item (or no enum values),
// enum values on another type. Empty when it fits; value is then the number.
std::string DefaultProblem(std::int32_t type, std::string_view text, std::string_view enumValues,
                           std::int32_t& value);

// What the writer or the map would refuse in one row: a type name that is
// none of the six, a text longer than every reader keeps, a T3D name that is
// no valid map name, a default that does not fit (an empty one reads as 0).
// Empty when none.
std::string RowProblem(const cxa::PropertyRow& row);

// What is wrong with the form, naming the field: an empty class name or one
// that is too long or no valid map name, a row's problem, custom geometry
// without an ASE path. Empty when none.
std::string FormProblem(const cxa::DefinitionForm& form);

// Writes the file, its geometry read from the form's ASE file, under a
// temporary name that replaces the file only when all is written: on failure
// a file of that name that was there before is left as it was, no other is
// left behind, and error says why.
bool SaveDefinition(std::string_view path, const cxa::DefinitionForm& form, std::string& error);

}  // namespace actorbuilder
