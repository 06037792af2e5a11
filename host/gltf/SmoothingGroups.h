#pragma once
// Smoothing groups from a modeller's normals. Two faces that share an edge
// whose normals agree on both sides share a group; faces across a hard edge
// never do. Faces joined by smooth edges form a patch with one group bit,
// and patches that meet at a hard edge get different bits (at most 32; a
// patch that finds every bit taken around it stays unsmoothed). A face
// without normals is smooth with its neighbours, so a mesh without normals
// is all one group.

#include "host/scene/Mesh.h"

#include <array>
#include <optional>
#include <vector>

// cornerNormals: for each face of mesh, the normal at each corner, if any.
void AssignSmoothingGroups(Mesh& mesh, const std::vector<std::array<std::optional<Point3>, 3>>& cornerNormals);
