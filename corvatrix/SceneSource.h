#pragma once
// The scene an export reads: a JSON scene file or a glTF file, told apart by
// content or extension. Warnings go to stderr unless the run is quiet.

#include "corvatrix/CommandLine.h"
#include "host/gltf/EmbeddedImage.h"
#include "host/scene/Scene.h"

#include <memory>
#include <string>
#include <vector>

struct SceneSource {
    std::unique_ptr<Scene> scene;
    // Images inside a glTF file, to be written once the export goes ahead.
    std::vector<gltf::EmbeddedImage> images;
};

// The scene of line.scene, or a null scene with error set. outputPath: the
// absolute map path, beside which embedded images go (textures/).
SceneSource ReadSceneSource(const CommandLine& line, const std::string& outputPath, std::string& error);
