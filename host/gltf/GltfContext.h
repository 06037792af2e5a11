#pragma once
// What the glTF readers share while one file is read: the model, the scene
// being filled, the choices of the user, the host objects made so far (so
// that nodes using one mesh share one object) and the warnings.

#include "host/gltf/EmbeddedImage.h"
#include "host/gltf/GltfReadOptions.h"

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

class Mtl;
class Object;
class Scene;

namespace tinygltf {
class Model;
}

namespace gltf {

// An image as bitmaps name it (host text) and its size in pixels.
struct ImageFile {
    std::string mapName;
    int width = 0;
    int height = 0;
};

// A mesh read once, for every node that uses it.
struct MeshInstance {
    Object* object = nullptr;
    Mtl* material = nullptr;
};

struct GltfContext {
    GltfContext(const tinygltf::Model& file, Scene& target, const GltfReadOptions& choices, std::string folder)
        : model(file), scene(target), options(choices), fileFolder(std::move(folder)) {}

    const tinygltf::Model& model;
    Scene& scene;
    const GltfReadOptions& options;
    // The glTF file's folder, absolute, with its trailing '/'.
    std::string fileFolder;

    std::map<int, MeshInstance> meshes;
    std::map<int, Mtl*> materials;
    std::map<int, Object*> lights;
    std::map<int, ImageFile> images;
    std::vector<EmbeddedImage> embeddedImages;
    std::set<std::string> embeddedNames;  // file names taken in the texture folder

    // Each distinct warning once, in the order they arose.
    void Warn(const std::string& text);
    std::vector<std::string> warnings;

private:
    std::set<std::string> warned_;
};

}  // namespace gltf
