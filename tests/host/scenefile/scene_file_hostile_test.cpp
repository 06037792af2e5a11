// Scene files made to break the reader or its outputs: each is refused with a
// message naming the place, or read without touching what it must not.

#include "host/scene/Mtl.h"
#include "host/scene/Texmap.h"
#include "tests/host/scenefile/SceneFileTest.h"

#include <sys/stat.h>

namespace {

using SceneFileHostile = SceneFileTest;

TEST_F(SceneFileHostile, TextsAndNumbersThatWouldBreakTheOutputsAreRefused) {
    // A bitmap path goes into quoted script and map texts.
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": "a\".bmp"}}]})"),
              R"(: materials[0].diffuse.bitmap: a bitmap path must not hold a quote or a control character)");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": "a\nb.bmp"}}]})"),
              R"(: materials[0].diffuse.bitmap: a bitmap path must not hold a quote or a control character)");
    // Beyond double range, and numbers that multiply past a float's.
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "transform": {"position": [1e309, 0, 0]}}]})"),
              R"(: nodes[0].transform.position[0]: 1e309 is too large for a single-precision number)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "Huge", "transform": {"position": [3e38, 0, 0]},
                                   "object": {"type": "box", "length": 3e38, "width": 3e38}}]})"),
              R"(: nodes[0]: the node's geometry, placed by its transform, is beyond the range of numbers)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "P", "transform": {"scale": [3e38, 1, 1]},
                                   "children": [{"name": "C", "transform": {"position": [3e38, 0, 0]}}]}]})"),
              R"(: nodes[0].children[0]: the node's transform is beyond the range of numbers)");
}

TEST_F(SceneFileHostile, DeepNestingAndEndlessFilesAreRefused) {
    std::string deep = R"({"nodes": [{"name": "A", "children": )";
    for (int i = 0; i < 1000; ++i) deep += "[";
    const std::string error = Fault(deep + "]}]}");
    EXPECT_NE(error.find("values nest deeper than 1000 levels"), std::string::npos) << error.substr(0, 200);

    std::string message;
    EXPECT_EQ(ReadSceneFile("/dev/zero", message), nullptr);
    EXPECT_EQ(message, "/dev/zero: cannot read the file: it is a device, not a file or a pipe");
}

TEST_F(SceneFileHostile, ABitmapThatIsNoFileIsNotOpened) {
    // Opening a pipe would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo((folder_ / "pipe.png").c_str(), 0600), 0);
    const auto scene = Load(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": "pipe.png"}},
                                              {"name": "N", "type": "standard", "diffuse": {"bitmap": "."}}]})");
    ASSERT_NE(scene, nullptr);
}

}  // namespace
