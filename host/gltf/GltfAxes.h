#pragma once
// glTF is Y-up in metres, the host Z-up in its own units. A glTF point
// (x, y, z) becomes the host point (x, -z, y): the inverse of what a Z-up
// modeller does when it writes glTF, so a level comes back in the modeller's
// own coordinates. Rotations and scales are carried over the same turn.

#include "host/math/Point3.h"
#include "host/math/Quat.h"

#include <vector>

namespace tinygltf {
class Node;
}

namespace gltf {

// A point or offset, times the length scale.
Point3 HostPoint(double x, double y, double z, float scale);
// A direction or normal: turned, not scaled.
Point3 HostDirection(double x, double y, double z);
// A glTF quaternion (x, y, z, w).
Quat HostRotation(double x, double y, double z, double w);
// Scale factors along the node's own axes.
Point3 HostScale(double x, double y, double z);

// Host lights shine down their local -Z, glTF lights down their local -Z in
// glTF axes, which is host +Y: this turn, applied first, makes one the other.
Quat LightAxisTurn();

// A light node's rotation: LightAxisTurn() first.
Quat LightRotation(const Quat& rotation);
// The children of a light node turn back from its LightAxisTurn(), so that
// they sit where the file puts them.
void TurnBackFromLight(Point3& position, Quat& rotation);

struct NodeTransform {
    Point3 position;
    Quat rotation;
    Point3 scale{1.0f, 1.0f, 1.0f};
};

// Throws GltfError naming what when the point does not fit the host's
// numbers (a value past the float range, or one the scale takes past it).
void RequireFinite(const Point3& point, const char* what);

// The node's transform relative to its parent, from its TRS or its matrix
// (a mirroring matrix becomes a negative scale). Throws GltfError for a
// matrix that is no rotation, scale and translation.
NodeTransform HostTransform(const tinygltf::Node& node, float scale);

}  // namespace gltf
