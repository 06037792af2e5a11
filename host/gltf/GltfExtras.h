#pragma once
// A modeller's custom properties on glTF nodes. A node's extras.corvatrix, a
// JSON object or a string holding one (what a custom-property panel can
// type), tags the node with the keys of a scene-file node: "selected",
// "groupMember", "object" (replacing what the glTF node holds) and
// "modifiers"; on a light node, "light" holds light keys applied over the
// converted light. The scene-file readers read them, so they mean and check
// the same; a bool key also takes 0 and 1 here, since a modeller's property
// group has no booleans. Node names in the keys (a trigger's event) are glTF
// node names, resolved once every node is tagged.

#include "host/gltf/GltfNodes.h"
#include "host/scenefile/PluginTypeHint.h"

#include <vector>

namespace gltf {

struct GltfContext;

// Throws GltfError naming the node and the key path, e.g.
//   node 4 "Start": extras.corvatrix.object.class: no actor class "Monster" ...
void ApplyExtras(const std::vector<ConvertedNode>& nodes, GltfContext& context, PluginTypeHints hints);

}  // namespace gltf
