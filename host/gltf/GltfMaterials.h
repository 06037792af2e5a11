#pragma once
// glTF materials as standard materials: the base colour texture is the
// diffuse bitmap (its texCoord gives the map channel), the emissive texture
// the self-illumination; alpha mode MASK or BLEND also makes the base
// colour texture the opacity map.

#include <string>
#include <vector>

class Mtl;

namespace gltf {

struct GltfContext;

// The standard material of a glTF material, made once; null for -1 (the
// default material).
Mtl* MaterialOf(int material, GltfContext& context);

// The material of a mesh whose primitives use materials (glTF indices, in
// the order of their material ids): the one material, or a
// multi/sub-object material of them named meshName (host text).
Mtl* MeshMaterial(const std::vector<int>& materials, const std::string& meshName, GltfContext& context);

}  // namespace gltf
