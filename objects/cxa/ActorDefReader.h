#pragma once
// The plug-in's full read of a CXA file into an ActorDef.

#include "objects/cxa/ActorDef.h"

#include <string_view>

namespace cxa {

// Fills def when the bytes hold the start magic, a class name equal to
// expectedClass without regard to case, a property count of 0 or more with
// that many whole records, the use-geometry value and, when it is non-zero,
// the first geometry group whole (vertex and face counts above 0, every face
// naming vertices of the group). Whatever follows is not read. Otherwise
// false, with def unchanged: a file cut short anywhere before the end of
// what is read fails.
bool ReadActorDef(std::string_view bytes, std::string_view expectedClass, ActorDef& def);
// The same for a file; a file that cannot be read gives false.
bool ReadActorDefFromFile(std::string_view path, std::string_view expectedClass, ActorDef& def);

}  // namespace cxa
