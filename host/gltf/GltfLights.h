#pragma once
// KHR_lights_punctual lights as host lights: point -> omni, spot -> target
// spot (hotspot = 2 x inner cone angle, falloff = 2 x outer, in degrees),
// directional -> directional; the colour carries over, a range switches on
// far attenuation ending there. glTF intensities (candela, lux) have no
// counterpart in the editor's brightness, so the multiplier stays 1 (a
// node's extras may set it: GltfExtras.h).

class Object;
class StandardLight;

namespace tinygltf {
class Node;
}

namespace gltf {

struct GltfContext;

// The index of the light the node holds, or -1.
int NodeLight(const tinygltf::Node& node);

// Made once per light, for every node that holds it.
Object* LightOf(int light, GltfContext& context);
// A new light of its own, for a node whose light is set apart from the others.
StandardLight* NewLightOf(int light, GltfContext& context);

}  // namespace gltf
