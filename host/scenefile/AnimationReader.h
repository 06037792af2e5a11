#pragma once
// Animation: {"position": {"x": Track, "y": Track, "z": Track} or
// {"controller": "single"}, "rotation": {"keys": [[tick, [ax,ay,az]], ...]}};
// Track: {"type": "linear" | "bezier" | "tcb", "keys": [[tick, value], ...]}.

#include "host/scenekeys/JsonCursor.h"

class SceneNode;

namespace scenefile {

// Gives node the controllers and keys of animation.
void ReadAnimation(const JsonCursor& animation, SceneNode& node);

}  // namespace scenefile
