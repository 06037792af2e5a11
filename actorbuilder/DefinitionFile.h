#pragma once
// Saving a definition as a CXA file with the mesh of its ASE file: what the
// window's Save and the batch mode share.

#include "objects/cxa/CxaWriter.h"

#include <string>
#include <string_view>

namespace actorbuilder {

// What the writer would refuse in the form, naming the field: an empty
// class name, a text longer than every reader keeps, a type name that is
// none of the six, custom geometry without an ASE path. Empty when none.
std::string FormProblem(const cxa::DefinitionForm& form);

// Writes the file, its geometry read from the form's ASE file. On failure
// no file of that name is left (one that was there before is deleted too,
// so a failed save is never mistaken for a good one) and error says why.
bool SaveDefinition(std::string_view path, const cxa::DefinitionForm& form, std::string& error);

}  // namespace actorbuilder
