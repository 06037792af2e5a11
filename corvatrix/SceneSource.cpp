#include "corvatrix/SceneSource.h"

#include "common/PluginSceneTypes.h"
#include "host/gltf/GltfFileType.h"
#include "host/gltf/GltfSceneReader.h"
#include "host/scenefile/SceneFileReader.h"

#include <cstdio>

namespace {

std::string TextureFolderBeside(const std::string& outputPath) {
    const std::size_t separator = outputPath.find_last_of('/');
    return outputPath.substr(0, separator + 1) + "textures/";
}

SceneSource ReadGltf(const CommandLine& line, const std::string& outputPath, std::string& error) {
    gltf::GltfReadOptions options;
    options.scale = line.scale.value_or(1.0f);
    options.animation = line.animation;
    options.textureFolder = TextureFolderBeside(outputPath);
    gltf::GltfScene read;
    if (!gltf::ReadGltfScene(line.scene, options, read, error, kPluginSceneTypes)) return {};
    if (!line.quiet) {
        for (const std::string& warning : read.warnings) {
            std::fprintf(stderr, "corvatrix: %s: warning: %s\n", line.scene.c_str(), warning.c_str());
        }
    }
    return SceneSource{std::move(read.scene), std::move(read.images)};
}

}  // namespace

SceneSource ReadSceneSource(const CommandLine& line, const std::string& outputPath, std::string& error) {
    if (gltf::IsGltfFile(line.scene)) return ReadGltf(line, outputPath, error);
    if (line.scale || line.animation) {
        error = line.scene + ": --scale and --animation apply to glTF scenes only";
        return {};
    }
    return SceneSource{ReadSceneFile(line.scene, error, kPluginSceneTypes), {}};
}
