#pragma once
// The polygon form of a modeller's triangles, for brushes: coplanar
// neighbouring triangles with the same material, the same smoothing group
// and continuous mapping (the same map vertices on both sides of the shared
// edge, in every channel) merge into convex polygons of at most 16 corners,
// the most the level editor keeps. A modeller's box becomes six quads.

#include "host/scene/Mesh.h"
#include "host/scene/PolyMesh.h"

constexpr int kMaxPolygonCorners = 16;

// The polygons; the triangles' edges inside a polygon become invisible, so
// that the triangle form shows the same outlines.
PolyMesh MergeCoplanarTriangles(Mesh& mesh);
