#pragma once
// An image that travels inside a glTF file (GLB buffer view or data: URI).
// It must be written out for the level editor to import it; the export does
// that once the scene was read without error.

#include <string>
#include <vector>

namespace gltf {

struct EmbeddedImage {
    std::string path;  // absolute, inside the texture folder
    std::vector<unsigned char> bytes;
};

}  // namespace gltf
