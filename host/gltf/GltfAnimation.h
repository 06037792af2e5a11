#pragma once
// glTF animation channels as host keys. A node's translation channel
// becomes its X, Y and Z position tracks, its rotation channel rotation
// keys, at the channel's key times (seconds x 4800 ticks, rounded); LINEAR
// and STEP give linear tracks, CUBICSPLINE Bezier tracks. The keys of both
// channels are reduced together (KeyReduction.h), and the position tracks
// get every kept key, since the mover takes its key times from them.
// Channels of every animation apply, or of the one the user names.

#include "host/gltf/GltfNodes.h"

#include <vector>

namespace gltf {

struct GltfContext;

// Throws GltfError when the named animation is not in the file.
void ApplyAnimations(const std::vector<ConvertedNode>& nodes, GltfContext& context);

}  // namespace gltf
