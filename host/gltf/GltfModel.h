#pragma once
// A glTF file (JSON or binary, chosen by its first bytes) parsed by tinygltf.
// Images are not decoded: each keeps its file bytes as they are, with its
// pixel size read from its header.

#include <string>
#include <vector>

namespace tinygltf {
class Model;
}

namespace gltf {

// False with the library's message when it refuses the file; its warnings
// are added to warnings.
bool LoadGltfModel(const std::string& path, tinygltf::Model& model, std::string& error,
                   std::vector<std::string>& warnings);

}  // namespace gltf
