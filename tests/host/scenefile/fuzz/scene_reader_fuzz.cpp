// Arbitrary bytes as a scene file: the reader refuses them with a message or
// gives a scene, and a scene it gives exports into a scratch folder. Beyond
// the sanitizers' checks, a refusal must say where and what.

#include "host/scenefile/SceneFileReader.h"
#include "tests/fuzz/FuzzScratch.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string scenePath = fuzz::WriteInput("scene.json", data, size);
    std::string error;
    std::unique_ptr<Scene> scene = ReadSceneFile(scenePath, error);
    if (!scene) {
        // "path: where: what" or "path:line:column: what".
        if (error.compare(0, scenePath.size() + 1, scenePath + ":") != 0 || error.size() <= scenePath.size() + 2) {
            std::abort();
        }
        return 0;
    }
    fuzz::ExportScene(*scene);
    return 0;
}
