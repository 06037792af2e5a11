#pragma once
// Conversions between the triangle and the polygon form of a mesh.

#include "host/scene/Mesh.h"
#include "host/scene/PolyMesh.h"

// Each polygon fanned from its first corner into degree - 2 triangles, in
// polygon order. Edges on the polygon's outline stay visible, the fan's
// inner edges are invisible; material, smoothing and every map channel
// follow the polygon.
Mesh TriangulatePolyMesh(const PolyMesh& poly);

// One polygon per triangle, corners in the triangle's order, with its
// material, smoothing and map faces.
PolyMesh PolyMeshFromTriangles(const Mesh& mesh);
