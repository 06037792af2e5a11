// Node transforms and animation as the scene file gives them.

#include "host/math/Angles.h"
#include "host/math/Euler.h"
#include "host/scene/FloatTrack.h"
#include "host/scene/HostClassIds.h"
#include "tests/host/math/MathExpect.h"
#include "tests/host/scenefile/SceneFileTest.h"

#include <cmath>

namespace {

using SceneFileTransform = SceneFileTest;

TEST_F(SceneFileTransform, WorldTransformFollowsTheParentChain) {
    const auto scene = Load(R"({"nodes": [
        {"name": "Parent", "transform": {"position": [10, 0, 0], "rotation": [0, 0, 90]},
         "children": [{"name": "Child", "transform": {"position": [5, 0, 0], "scale": [2, 2, 2]},
                       "children": [{"name": "Grandchild", "transform": {"position": [0, 0, 1]}}]}]}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* parent = FirstNode(*scene);
    SceneNode* child = parent->Child(0);
    SceneNode* grandchild = child->Child(0);
    ASSERT_NE(grandchild, nullptr);
    // (1,0,0): scaled to (2,0,0), moved to (7,0,0), turned to (0,7,0), moved to (10,7,0).
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * child->GetNodeTM(0), Point3(10, 7, 0)));
    EXPECT_TRUE(PointNear(grandchild->GetNodeTM(0).GetTrans(), Point3(10, 5, 2)));

    // The Euler angles of the host come back from a turn of [0,0,90] as +pi/2 about Z.
    float angles[3];
    QuatToEuler(Quat(parent->GetNodeTM(0)), angles);
    EXPECT_NEAR(angles[0], 0.0f, 1e-5f);
    EXPECT_NEAR(angles[1], 0.0f, 1e-5f);
    EXPECT_NEAR(angles[2], HALFPI, 1e-5f);
}

TEST_F(SceneFileTransform, ObjectOffsetMovesTheObjectNotThePivot) {
    const auto scene = Load(R"({"nodes": [{"name": "A", "transform": {"position": [0, 0, 10]},
        "objectOffset": {"position": [0, 0, 3], "rotation": [0, 0, 90], "scale": [1, 2, 1]}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* node = FirstNode(*scene);
    EXPECT_TRUE(PointNear(node->GetNodeTM(0).GetTrans(), Point3(0, 0, 10)));
    EXPECT_TRUE(PointNear(node->GetObjOffsetPos(), Point3(0, 0, 3)));
    EXPECT_TRUE(PointNear(node->GetObjOffsetScale(), Point3(1, 2, 1)));
    EXPECT_TRUE(SameRotation(node->GetObjOffsetRot(), QFromAngAxis(HALFPI, Point3(0, 0, 1))));
    // (1,0,0): offset scale keeps it, the turn makes it (0,1,0), the offset
    // moves it to (0,1,3) and the pivot to (0,1,13).
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetObjectTM(0), Point3(0, 1, 13)));
}

TEST_F(SceneFileTransform, QuaternionAndEulerFormsAgree) {
    // X by 90 degrees, then Z by 90: x goes to y and y to z, the turn by 120
    // degrees about (1,1,1), whose quaternion is (0.5, 0.5, 0.5, 0.5).
    const auto scene = Load(R"({"nodes": [
        {"name": "Euler", "transform": {"rotation": [90, 0, 90]}},
        {"name": "Quat", "transform": {"rotation": {"quat": [0.5, 0.5, 0.5, 0.5]}}},
        {"name": "Unnormalised", "transform": {"rotation": {"quat": [2, 2, 2, 2]}}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* root = scene->GetRootNode();
    const Matrix3 euler = root->Child(0)->GetNodeTM(0);
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * euler, Point3(0, 1, 0)));
    EXPECT_TRUE(PointNear(Point3(0, 1, 0) * euler, Point3(0, 0, 1)));
    EXPECT_TRUE(MatrixNear(root->Child(1)->GetNodeTM(0), euler));
    EXPECT_TRUE(MatrixNear(root->Child(2)->GetNodeTM(0), euler));
}

TEST_F(SceneFileTransform, PositionTracksReplaceTheirAxisAtEveryTime) {
    const auto scene = Load(R"({"nodes": [{"name": "Lift", "transform": {"position": [1, 2, 3]},
        "animation": {"position": {"x": {"type": "linear", "keys": [[0, 10], [4800, 20.25]]},
                                   "z": {"type": "tcb", "keys": [[2400, -5]]}}}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* node = FirstNode(*scene);
    const auto position = [node](TimeValue t) { return node->GetNodeTM(t).GetTrans(); };
    // At a key's own time exactly its value; y is not keyed and keeps the transform's.
    EXPECT_EQ(position(0), Point3(10, 2, -5));
    EXPECT_EQ(position(4800), Point3(20.25f, 2, -5));
    // Before the first key the first value, after the last the last.
    EXPECT_EQ(position(-4800), Point3(10, 2, -5));
    EXPECT_EQ(position(48000), Point3(20.25f, 2, -5));
    // Linear in between.
    EXPECT_TRUE(PointNear(position(1200), Point3(12.5625f, 2, -5)));

    Control* controller = node->GetPositionController();
    EXPECT_EQ(controller->ClassID(), POSITION_XYZ_CLASS_ID);
    Control* x = controller->GetXController();
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->ClassID(), LININTERP_FLOAT_CLASS_ID);
    EXPECT_EQ(controller->GetYController()->ClassID(), BEZIER_FLOAT_CLASS_ID);
    EXPECT_EQ(controller->GetZController()->ClassID(), TCB_FLOAT_CLASS_ID);
    IKeyControl* keys = x->GetKeyControlInterface();
    ASSERT_NE(keys, nullptr);
    ASSERT_EQ(keys->GetNumKeys(), 2);
    EXPECT_EQ(keys->GetKeyTime(1), 4800);
    EXPECT_EQ(controller->GetYController()->GetKeyControlInterface()->GetNumKeys(), 0);
}

TEST_F(SceneFileTransform, RotationKeysReplaceTheRotation) {
    const auto scene = Load(R"({"nodes": [{"name": "Door", "transform": {"rotation": [45, 0, 0]},
        "animation": {"rotation": {"keys": [[0, [0, 0, 0]], [4800, [0, 0, 90]]]}}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* node = FirstNode(*scene);
    const auto turned = [node](TimeValue t) { return Point3(1, 0, 0) * node->GetNodeTM(t); };
    EXPECT_TRUE(PointNear(turned(-100), Point3(1, 0, 0)));
    EXPECT_TRUE(PointNear(turned(2400), Point3(std::sqrt(0.5f), std::sqrt(0.5f), 0)));
    EXPECT_TRUE(PointNear(turned(4800), Point3(0, 1, 0)));
    EXPECT_TRUE(PointNear(turned(9600), Point3(0, 1, 0)));
}

TEST_F(SceneFileTransform, ASinglePositionControllerHasNoAxisTracks) {
    const auto scene = Load(R"({"nodes": [{"name": "A", "transform": {"position": [4, 5, 6]},
        "animation": {"position": {"controller": "single"}}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* node = FirstNode(*scene);
    Control* controller = node->GetPositionController();
    EXPECT_EQ(controller->ClassID(), SINGLE_POSITION_CLASS_ID);
    EXPECT_EQ(controller->GetXController(), nullptr);
    EXPECT_EQ(controller->GetKeyControlInterface(), nullptr);
    EXPECT_EQ(node->GetNodeTM(0).GetTrans(), Point3(4, 5, 6));
}

}  // namespace
