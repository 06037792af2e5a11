#pragma once
// glTF meshes as host meshes: all primitives of a mesh form one editable
// mesh, each primitive's material a material id. Triangle strips and fans
// become triangles; points and lines are skipped with a warning.
// TEXCOORD_0 and TEXCOORD_1 become map channels 1 and 2 with V flipped,
// COLOR_0 the vertex colours. The polygon form merges coplanar triangles.

#include "host/gltf/GltfContext.h"

namespace gltf {

// Made once per mesh, for every node that uses it.
const MeshInstance& MeshInstanceOf(int mesh, GltfContext& context);

// The mesh's name as the file gives it (UTF-8), empty when it has none.
std::string MeshName(int mesh, const GltfContext& context);

}  // namespace gltf
