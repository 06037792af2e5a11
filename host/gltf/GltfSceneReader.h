#pragma once
// A glTF 2.0 file (.gltf or .glb) read into a new host scene. Any fault, from
// a file the glTF library refuses to an index out of range, drops the whole
// scene and explains itself in one line that names the file and, where one
// is at fault, the node:
//   level.glb: node 3 "Door": mesh 1: primitive 0: index 9 names no vertex
// Embedded images are not written here: the caller writes them once the
// scene was read without error (WriteEmbeddedImages).

#include "host/gltf/EmbeddedImage.h"
#include "host/gltf/GltfNodes.h"
#include "host/gltf/GltfReadOptions.h"
#include "host/scene/Scene.h"
#include "host/scenefile/PluginTypeHint.h"

#include <memory>
#include <string>
#include <vector>

namespace gltf {

struct GltfScene {
    std::unique_ptr<Scene> scene;
    std::vector<ConvertedNode> nodes;  // every glTF node of the scene, walk order
    std::vector<EmbeddedImage> images;
    std::vector<std::string> warnings;  // each once, without the file name
};

// False with error set when the file cannot be read as a scene. Plug-in types
// in the nodes' extras are read by the loaded modules; hints name the module
// of a type that is missing.
bool ReadGltfScene(const std::string& path, const GltfReadOptions& options, GltfScene& result, std::string& error,
                   PluginTypeHints hints = {});

// Writes every image into its folder (made when missing); false with error
// naming the file that could not be written.
bool WriteEmbeddedImages(const std::vector<EmbeddedImage>& images, std::string& error);

}  // namespace gltf
