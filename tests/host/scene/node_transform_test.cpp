#include "host/math/Angles.h"
#include "host/math/Euler.h"
#include "host/scene/Scene.h"
#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

namespace {

Quat QuatFromDegrees(float ax, float ay, float az) {
    const float angles[3] = {DegToRad(ax), DegToRad(ay), DegToRad(az)};
    Quat q;
    EulerToQuat(angles, q);
    return q;
}

// Parent: turned +90 degrees about Z, at (10,0,0).
// Child: scaled by 2, at (5,0,0) in the parent's space.
struct ParentAndChild {
    Scene scene;
    SceneNode* parent = scene.GetRootNode()->AddChild("Parent");
    SceneNode* child = parent->AddChild("Child");
    ParentAndChild() {
        parent->SetRotation(QuatFromDegrees(0, 0, 90));
        parent->SetPosition(Point3(10, 0, 0));
        child->SetScale(Point3(2, 2, 2));
        child->SetPosition(Point3(5, 0, 0));
    }
};

}  // namespace

TEST(NodeTransform, WorldTransformFollowsTheParentChain) {
    ParentAndChild nodes;
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * nodes.parent->GetNodeTM(0), Point3(10, 1, 0)));
    // (1,0,0) scaled to (2,0,0), moved to (7,0,0), turned to (0,7,0), moved to (10,7,0).
    const Matrix3 childWorld = nodes.child->GetNodeTM(0);
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * childWorld, Point3(10, 7, 0)));
    EXPECT_TRUE(PointNear(childWorld.GetTrans(), Point3(10, 5, 0)));

    SceneNode* grandchild = nodes.child->AddChild("Grandchild");
    grandchild->SetPosition(Point3(0, 0, 1));
    // One unit up in the child's space is two in the world.
    EXPECT_TRUE(PointNear(grandchild->GetNodeTM(0).GetTrans(), Point3(10, 5, 2)));
    EXPECT_TRUE(MatrixNear(nodes.scene.GetRootNode()->GetNodeTM(0), Matrix3()));
}

TEST(NodeTransform, ObjectTransformIsTheOffsetFollowedByTheNodeTransform) {
    ParentAndChild nodes;
    SceneNode* child = nodes.child;
    const Matrix3 pivotBefore = child->GetNodeTM(0);
    child->SetObjOffsetPos(Point3(0, 0, 3));
    child->SetObjOffsetRot(QuatFromDegrees(0, 0, 90));
    child->SetObjOffsetScale(Point3(1, 1, 1));

    EXPECT_TRUE(MatrixNear(child->GetNodeTM(0), pivotBefore)) << "the offset must not move the pivot";
    EXPECT_TRUE(PointNear(child->GetObjOffsetPos(), Point3(0, 0, 3)));
    EXPECT_TRUE(SameRotation(child->GetObjOffsetRot(), QuatFromDegrees(0, 0, 90)));

    // (1,0,0): offset turn (0,1,0), offset move (0,1,3); node scale (0,2,6),
    // move (5,2,6); parent turn (-2,5,6), move (8,5,6).
    const Matrix3 objectTM = child->GetObjectTM(0);
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * objectTM, Point3(8, 5, 6)));
    EXPECT_TRUE(PointNear(objectTM.GetTrans(), Point3(0, 0, 3) * pivotBefore));

    child->SetObjOffsetScale(Point3(1, 1, 2));
    EXPECT_TRUE(PointNear(Point3(0, 0, 1) * child->GetObjectTM(0), Point3(0, 0, 5) * pivotBefore));
}

TEST(NodeTransform, StaticRotationUsesTheParentAxesInXYZOrder) {
    Scene scene;
    SceneNode* node = scene.GetRootNode()->AddChild("Turned");
    node->SetRotation(QuatFromDegrees(90, 0, 90));
    // X first: (0,1,0) goes to (0,0,1); Z then leaves it there.
    EXPECT_TRUE(PointNear(Point3(0, 1, 0) * node->GetNodeTM(0), Point3(0, 0, 1)));
    // X leaves (1,0,0) alone; Z turns it to (0,1,0).
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetNodeTM(0), Point3(0, 1, 0)));
}
