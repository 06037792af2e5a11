#pragma once
// The trigger helper's meshes, shared by all triggers: the icon (a box
// with a lever on top) and the unit collision cylinder.

#include "host/math/Matrix3.h"
#include "host/scene/Mesh.h"

Mesh& TriggerIconMesh();
// Radius 0.5 around the z axis from z = 0 to z = 1, sides only.
Mesh& TriggerCylinderMesh();
// Scales the unit cylinder to the collision radius and height and lowers it
// to the icon's foot (z = -15.7728).
Matrix3 CylinderTransform(float height, float radius);
