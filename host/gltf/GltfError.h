#pragma once
// A fault in a glTF file. The readers throw it at the first fault;
// ReadGltfScene catches it and drops the scene, so nothing of a partly read
// file survives. The node walk puts the node (index and name) in front.

#include <stdexcept>
#include <string>

namespace gltf {

class GltfError : public std::runtime_error {
public:
    explicit GltfError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace gltf
