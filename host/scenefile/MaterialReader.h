#pragma once
// Materials: {"name": unique, "type": "standard" | "multi" | "shell" |
// "other", keys of the type}. Standard materials hold texture maps in
// "diffuse", "opacity" and "selfIllumination"; multi/sub-object and shell
// materials name their "subMaterials".

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

namespace scenefile {

// Every material of the list, into the scene and context.materials.
void ReadMaterials(const JsonCursor& materials, ReadContext& context);

}  // namespace scenefile
