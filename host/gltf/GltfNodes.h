#pragma once
// The node tree of the default scene (or the first) as host nodes: each
// node with its name (unnamed: its mesh's name, else Node_<index>), its
// transform relative to its parent and its children in order. Nodes that
// use one mesh hold one shared object. Cameras and skins are skipped with
// one warning each.

#include <string>
#include <vector>

class SceneNode;

namespace gltf {

struct GltfContext;

// What became of one glTF node: later steps (animation, and whatever else a
// node carries, such as its extras) find the host node here.
struct ConvertedNode {
    int index;           // in the glTF file's nodes
    std::string name;    // as the file names it (UTF-8); may be empty
    SceneNode* node;
    bool holdsLight;     // its rotation is preceded by LightAxisTurn()
    bool underLight;     // its parent holds a light: see TurnBackFromLight()
    // The node's "extras" as the file writes them (JSON text; empty without),
    // for the step that applies a modeller's custom properties to the node.
    std::string extras;
};

// In walk order: every node before its children.
std::vector<ConvertedNode> ReadNodes(GltfContext& context);

// "node 3 \"Door\"" for messages; an unnamed node is "node 3".
std::string NodeLabel(const ConvertedNode& node);

}  // namespace gltf
