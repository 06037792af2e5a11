#pragma once
// What the user chooses about a glTF scene when it is read.

#include <optional>
#include <string>

namespace gltf {

struct GltfReadOptions {
    // Host units per glTF unit (metre).
    float scale = 1.0f;
    // Only this animation's channels apply; all of them when none is named.
    std::optional<std::string> animation;
    // Absolute folder, with its trailing '/', that embedded images will be
    // written into (the textures/ folder beside the map); bitmaps name them there.
    std::string textureFolder;
};

}  // namespace gltf
