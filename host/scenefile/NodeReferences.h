#pragma once
// References from an object to a node named elsewhere in the scene file (a
// trigger's event): they are made once every node has been read.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

namespace scenefile {

// Makes each reference of context.nodeReferences; fails at the name when
// no node, or more than one, bears it.
void ResolveNodeReferences(ReadContext& context);
// The same for one reference, for a caller that says where it came from.
void ResolveNodeReference(const NodeReference& reference, Scene& scene);

}  // namespace scenefile
