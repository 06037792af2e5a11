#pragma once
// Decides what a scene node becomes in the map, from its evaluated object
// and its modifier stack.

class INode;
class Modifier;

enum class NodeKind { None = 0, StaticMesh = 1, Mover = 2, Trigger = 3, Brush = 4, Light = 5, Actor = 6 };

struct NodeClass {
    NodeKind kind = NodeKind::None;
    // The tagging modifier handed to the record: the nearest brush or mover
    // modifier for those kinds, otherwise the topmost common property modifier.
    Modifier* modifier = nullptr;
    // Geometry that can enter the scene bounds (a convertible geometric object).
    bool hasGeometry = false;
};

NodeClass ClassifyNode(INode& node);
