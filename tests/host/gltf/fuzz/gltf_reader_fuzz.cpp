// Arbitrary bytes as a glTF file (text or binary): the reader refuses them
// with a message naming the file or gives a scene, whose embedded images are
// written and which exports into a scratch folder. Beyond the sanitizers'
// checks, a refusal must name the file.

#include "host/gltf/GltfSceneReader.h"
#include "tests/fuzz/FuzzScratch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string scenePath = fuzz::WriteInput("level.gltf", data, size);
    gltf::GltfReadOptions options;
    options.textureFolder = fuzz::ScratchFolder() + "/out/textures/";
    gltf::GltfScene result;
    std::string error;
    if (!gltf::ReadGltfScene(scenePath, options, result, error)) {
        if (error.compare(0, scenePath.size() + 2, scenePath + ": ") != 0) std::abort();
        return 0;
    }
    if (!gltf::WriteEmbeddedImages(result.images, error) && error.empty()) std::abort();
    fuzz::ExportScene(*result.scene);
    return 0;
}
