#pragma once
// A host mesh from a triangle soup: corners at equal positions become one
// vertex, while texture coordinates and colours stay per corner through the
// map faces (equal map values shared). Triangles that weld to a line or a
// point are left out. Smoothing groups come from the corners' normals.

#include "host/gltf/TriangleSoup.h"
#include "host/scene/Mesh.h"

Mesh WeldTriangleSoup(const TriangleSoup& soup);
