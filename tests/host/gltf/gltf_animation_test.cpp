// Animation from glTF: key times, interpolation, and keys reduced in space.

#include "host/gltf/KeyReduction.h"
#include "host/scene/PositionControllers.h"
#include "tests/common/BuiltModules.h"
#include "tests/host/gltf/GltfReaderTest.h"
#include "tests/host/gltf/GltfTestFile.h"
#include "tests/host/math/MathExpect.h"

#include <cmath>

namespace {

using GltfAnimation = GltfReaderTest;

std::vector<MotionKey> Path(const std::vector<Point3>& points) {
    std::vector<MotionKey> keys;
    for (const Point3& p : points) keys.push_back(MotionKey{p, Quat()});
    return keys;
}

TEST(KeyReduction, KeepsOnlyWhereTheMotionTurnsStopsOrStarts) {
    // Eased samples on a straight line (uneven spacing): only the ends.
    std::vector<Point3> eased;
    for (int i = 0; i < 48; ++i) {
        const float s = static_cast<float>(i) / 47.0f;
        eased.emplace_back(0, 0, 144.0f * s * s * (3 - 2 * s));
    }
    EXPECT_EQ(ReduceKeys(Path(eased)), (std::vector<std::size_t>{0, 47}));

    // An L: the corner stays; so does every point off the line by more than 0.001.
    EXPECT_EQ(ReduceKeys(Path({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}})),
              (std::vector<std::size_t>{0, 2, 4}));
    EXPECT_EQ(ReduceKeys(Path({{0, 0, 0}, {1, 0.0005f, 0}, {2, 0, 0}})), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(ReduceKeys(Path({{0, 0, 0}, {1, 0.002f, 0}, {2, 0, 0}})), (std::vector<std::size_t>{0, 1, 2}));
    // Out and back along one line: the turning point stays.
    EXPECT_EQ(ReduceKeys(Path({{0, 0, 0}, {2, 0, 0}, {1, 0, 0}})), (std::vector<std::size_t>{0, 1, 2}));
    // A pause: where it stops and where it starts again.
    EXPECT_EQ(ReduceKeys(Path({{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}})),
              (std::vector<std::size_t>{0, 1, 3, 4}));

    // A steady turn about one axis: the ends; a turn that reverses keeps its end point.
    std::vector<MotionKey> turn;
    for (int i = 0; i <= 4; ++i) turn.push_back(MotionKey{Point3(), QFromAngAxis(0.3f * static_cast<float>(i), Point3(0, 0, 1))});
    EXPECT_EQ(ReduceKeys(turn), (std::vector<std::size_t>{0, 4}));
    turn.push_back(MotionKey{Point3(), QFromAngAxis(0.0f, Point3(0, 0, 1))});
    EXPECT_EQ(ReduceKeys(turn), (std::vector<std::size_t>{0, 4, 5}));
    // In place, the rotation alone decides: a key off the arc keeps itself and its neighbours.
    turn[2].rotation = QFromAngAxis(0.6f, Point3(1, 0, 0));
    EXPECT_EQ(ReduceKeys(turn), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(GltfAnimation, BlenderDoorSampledAt48FramesGivesTwoKeys) {
    const BuiltModules modules({"corvatrix.dlo", "corvatrix.dlm"});  // the level's tags name their types
    const gltf::GltfScene scene = Read(Sample("blender/level.glb"));
    SceneNode* door = Node(scene, "Door");
    auto* position = static_cast<PositionXYZControl*>(door->GetPositionController());
    ASSERT_EQ(position->ClassID(), POSITION_XYZ_CLASS_ID);
    for (int axis = 0; axis < 3; ++axis) {
        FloatTrack& track = position->Axis(axis);
        ASSERT_EQ(track.GetNumKeys(), 2);
        EXPECT_EQ(track.GetTrackType(), FloatTrackType::Linear);
        EXPECT_EQ(track.GetKeyTime(0), 200);  // frame 1 at 24 fps
        EXPECT_EQ(track.GetKeyTime(1), 9600);
    }
    EXPECT_TRUE(PointNear(door->GetNodeTM(9600).GetTrans() - door->GetNodeTM(200).GetTrans(), Point3(0, 0, 144),
                          1e-3f));
}

TEST_F(GltfAnimation, RotationAndCubicSplineChannels) {
    GltfTestFile file;
    const int times = file.Floats({0, 1, 2}, "SCALAR");
    // A quarter turn about glTF Y (host Z) in two steps; a move with tangents.
    const double half = std::sqrt(0.5);
    const float step[2] = {static_cast<float>(std::sin(M_PI / 8)), static_cast<float>(std::cos(M_PI / 8))};
    const int turns = file.Floats({0, 0, 0, 1, 0, step[0], 0, step[1], 0, static_cast<float>(half), 0,
                                   static_cast<float>(half)}, "VEC4");
    const int moves = file.Floats({0, 0, 0, 0, 0, 0, 1, 0, 0,  1, 0, 0, 2, 0, 0, 1, 0, 0,  1, 0, 0, 2, 0, 5, 0, 0, 0},
                                  "VEC3");
    file.Node({{"name", "Turner"}});
    file.Json()["animations"] = {
        {{"name", "Turn"},
         {"samplers", {{{"input", times}, {"output", turns}}}},
         {"channels", {{{"sampler", 0}, {"target", {{"node", 0}, {"path", "rotation"}}}}}}},
        {{"name", "Slide"},
         {"samplers", {{{"input", times}, {"output", moves}, {"interpolation", "CUBICSPLINE"}}}},
         {"channels", {{{"sampler", 0}, {"target", {{"node", 0}, {"path", "translation"}}}}}}}};
    const std::string path = Write("anim.gltf", file.Text());

    gltf::GltfReadOptions turnOnly;
    turnOnly.animation = "Turn";
    const gltf::GltfScene turned = Read(path, turnOnly);
    SceneNode* turner = Node(turned, "Turner");
    // On one arc: the middle key goes; the rotation ends a quarter turn about host Z.
    auto* keys = static_cast<PositionXYZControl*>(turner->GetPositionController());
    EXPECT_EQ(keys->Axis(0).GetNumKeys(), 2);
    EXPECT_TRUE(PointNear(VectorTransform(turner->GetNodeTM(9600), Point3(1, 0, 0)), Point3(0, 1, 0), 1e-4f));

    // Both animations: the move's corner at (2, 0, 0) keeps three keys, as a Bezier track.
    const gltf::GltfScene both = Read(path);
    auto* slide = static_cast<PositionXYZControl*>(Node(both, "Turner")->GetPositionController());
    EXPECT_EQ(slide->Axis(0).GetTrackType(), FloatTrackType::Bezier);
    ASSERT_EQ(slide->Axis(0).GetNumKeys(), 3);
    EXPECT_FLOAT_EQ(slide->Axis(1).GetKeyValue(2), -5.0f);  // glTF z = 5 is host y = -5
}

}  // namespace
