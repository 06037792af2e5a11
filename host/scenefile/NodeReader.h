#pragma once
// Node: {"name", "selected", "groupMember", "transform", "objectOffset",
// "animation", "material", "object", "modifiers", "children"}.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class SceneNode;

namespace scenefile {

// Every node of the list, with its children, after parent's existing children.
void ReadNodes(const JsonCursor& nodes, SceneNode& parent, ReadContext& context);

}  // namespace scenefile
