// Reading time grows linearly with the file: four times the faces (written
// as face objects) or four times the nodes must not take anything near
// sixteen times as long. The margin is wide, so a slow or busy machine does
// not fail it; the figures themselves are bench_scene_read's.

#include "tests/host/scenefile/SceneFileTest.h"

#include <algorithm>
#include <chrono>
#include <functional>

namespace {

class SceneFileScale : public SceneFileTest {
protected:
    // The best of three reads, in seconds.
    double ReadTime(const std::string& json) {
        const std::string path = Write("scale.json", json);
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            std::string error;
            EXPECT_NE(ReadSceneFile(path, error), nullptr) << error;
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        return best;
    }

    void ExpectLinear(const std::function<std::string(int)>& scene, int count) {
        const double small = ReadTime(scene(count));
        const double large = ReadTime(scene(4 * count));
        EXPECT_LT(large, 8 * small + 0.05)
            << "reading " << 4 * count << " took " << large << " s against " << small << " s for " << count;
    }
};

std::string FaceObjects(int faces) {
    std::string json = R"({"nodes": [{"name": "M", "object": {"type": "mesh", "vertices": [[0,0,0],[1,0,0],[0,1,0]],
                          "faces": [)";
    for (int f = 0; f < faces; ++f) json += std::string(f ? "," : "") + R"({"v": [0, 1, 2], "mtl": 1, "smoothing": 1})";
    return json + "]}}]}";
}

std::string Nodes(int nodes) {
    std::string json = R"({"nodes": [)";
    for (int n = 0; n < nodes; ++n) {
        json += std::string(n ? "," : "") + R"({"name": "N)" + std::to_string(n) +
                R"(", "transform": {"position": [1, 2, 3]}, "object": {"type": "box"}})";
    }
    return json + "]}";
}

TEST_F(SceneFileScale, LongArraysOfObjectsReadInLinearTime) {
    ExpectLinear(FaceObjects, 25000);
    ExpectLinear(Nodes, 5000);
}

}  // namespace
