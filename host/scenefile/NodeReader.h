#pragma once
// Node: {"name", "selected", "groupMember", "transform", "objectOffset",
// "animation", "material", "object", "modifiers", "children"}.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

#include <string>

class SceneNode;

namespace scenefile {

// Every node of the list, with its children, after parent's existing children.
void ReadNodes(const JsonCursor& nodes, SceneNode& parent, ReadContext& context);

// The keys that tag a node, also where the node comes from elsewhere (a glTF
// node's extras): "selected", "groupMember", "object" (which replaces the
// node's object) and "modifiers" (below its present stack). The caller checks
// which keys node may hold. nodeName (UTF-8) is for messages.
void ReadNodeTags(const JsonCursor& node, SceneNode& target, const std::string& nodeName, ReadContext& context);

}  // namespace scenefile
