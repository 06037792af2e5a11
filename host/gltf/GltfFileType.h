#pragma once
// Which reader a scene file is for: glTF by its content (the binary magic,
// or JSON with the glTF "asset" key) or its extension; anything else is the
// JSON scene file.

#include <string>

namespace gltf {

bool HasGlbMagic(const std::string& path);
bool IsGltfFile(const std::string& path);

}  // namespace gltf
