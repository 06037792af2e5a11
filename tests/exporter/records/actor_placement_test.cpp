#include "exporter/ActorPlacement.h"

#include "host/math/Angles.h"
#include "host/math/Quat.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Radians of a number of engine rotation units, computed in double.
float Units(double units) { return static_cast<float>(units * 6.283185307179586 / 65536.0); }

void ExpectPoint(const Point3& actual, const Point3& expected) {
    EXPECT_FLOAT_EQ(actual.x, expected.x);
    EXPECT_FLOAT_EQ(actual.y, expected.y);
    EXPECT_FLOAT_EQ(actual.z, expected.z);
}

class ActorPlacementTest : public ::testing::Test {
protected:
    SceneNode* Node() { return scene.GetRootNode()->AddChild("node"); }
    ActorPlacement Turned(const Point3& axis, float radians) {
        SceneNode* node = Node();
        node->SetRotation(QFromAngAxis(radians, axis));
        return ActorPlacement(*node, 0);
    }

    Scene scene;
};

TEST(RotationUnits, TruncatesTowardZero) {
    EXPECT_EQ(RotationUnits(0.0f), 0);
    EXPECT_EQ(RotationUnits(Units(1.5)), 1);
    EXPECT_EQ(RotationUnits(Units(-1.5)), -1);
    EXPECT_EQ(RotationUnits(Units(0.99)), 0);
    EXPECT_EQ(RotationUnits(Units(-0.99)), 0);
    EXPECT_EQ(RotationUnits(Units(16383.5)), 16383);
    EXPECT_EQ(RotationUnits(Units(-16383.5)), -16383);
}

TEST(RotationUnits, WholeTurnFractionsSurviveFloatNoise) {
    EXPECT_EQ(RotationUnits(HALFPI), 16384);
    EXPECT_EQ(RotationUnits(-HALFPI), -16384);
    EXPECT_EQ(RotationUnits(PI), 32768);
    // A quarter turn that earlier conversions left a few float steps short.
    float shortQuarter = HALFPI;
    for (int step = 0; step < 4; ++step) shortQuarter = std::nextafter(shortQuarter, 0.0f);
    EXPECT_EQ(RotationUnits(shortQuarter), 16384);
    EXPECT_EQ(RotationUnits(-shortQuarter), -16384);
    EXPECT_EQ(RotationUnits(std::nextafter(PI / 4.0f, 0.0f)), 8192);
}

TEST(RotationUnits, NoNumberGivesNoRotation) {
    EXPECT_EQ(RotationUnits(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(RotationUnits(std::numeric_limits<float>::infinity()), 0);
    EXPECT_EQ(RotationUnits(1.0e9f), 0);
}

TEST_F(ActorPlacementTest, IdentityTransform) {
    const ActorPlacement placement(*Node(), 0);
    ExpectPoint(placement.location, {0.0f, 0.0f, 0.0f});
    ExpectPoint(placement.drawScale3D, {1.0f, 1.0f, 1.0f});
    ExpectPoint(placement.prePivot, {0.0f, 0.0f, 0.0f});
    EXPECT_EQ(placement.pitch, 0);
    EXPECT_EQ(placement.yaw, 0);
    EXPECT_EQ(placement.roll, 0);
}

TEST_F(ActorPlacementTest, LocationIsTheWorldPositionWithXNegated) {
    SceneNode* node = Node();
    node->SetPosition({10.0f, 20.0f, 30.0f});
    ExpectPoint(ActorPlacement(*node, 0).location, {-10.0f, 20.0f, 30.0f});

    SceneNode* child = node->AddChild("child");
    child->SetPosition({1.0f, -2.0f, 3.0f});
    ExpectPoint(ActorPlacement(*child, 0).location, {-11.0f, 18.0f, 33.0f});
}

TEST_F(ActorPlacementTest, QuarterTurnsAboutEachAxis) {
    EXPECT_EQ(Turned({1.0f, 0.0f, 0.0f}, HALFPI).roll, -16384);
    EXPECT_EQ(Turned({1.0f, 0.0f, 0.0f}, -HALFPI).roll, 16384);
    EXPECT_EQ(Turned({0.0f, 1.0f, 0.0f}, HALFPI).pitch, 16384);
    EXPECT_EQ(Turned({0.0f, 1.0f, 0.0f}, -HALFPI).pitch, -16384);
    EXPECT_EQ(Turned({0.0f, 0.0f, 1.0f}, HALFPI).yaw, -16384);
    EXPECT_EQ(Turned({0.0f, 0.0f, 1.0f}, -HALFPI).yaw, 16384);

    const ActorPlacement aboutZ = Turned({0.0f, 0.0f, 1.0f}, HALFPI);
    EXPECT_EQ(aboutZ.pitch, 0);
    EXPECT_EQ(aboutZ.roll, 0);

    // Keyed in degrees: each angle lands in its own field.
    SceneNode* keyed = Node();
    keyed->AddRotationKey(0, {90.0f, 45.0f, -90.0f});
    const ActorPlacement placement(*keyed, 0);
    EXPECT_EQ(placement.roll, -16384);
    EXPECT_EQ(placement.pitch, 8192);
    EXPECT_EQ(placement.yaw, 16384);
}

TEST_F(ActorPlacementTest, ScaleAndMirroring) {
    SceneNode* scaled = Node();
    scaled->SetScale({2.0f, 3.0f, 4.0f});
    ExpectPoint(ActorPlacement(*scaled, 0).drawScale3D, {2.0f, 3.0f, 4.0f});

    SceneNode* mirrored = Node();
    mirrored->SetScale({-2.0f, -3.0f, -4.0f});
    const ActorPlacement placement(*mirrored, 0);
    ExpectPoint(placement.drawScale3D, {-2.0f, -3.0f, -4.0f});
    EXPECT_EQ(placement.roll, 0);

    SceneNode* flipped = Node();
    flipped->SetScale({-2.0f, 2.0f, 2.0f});
    ExpectPoint(ActorPlacement(*flipped, 0).drawScale3D, {-2.0f, -2.0f, -2.0f});
}

TEST_F(ActorPlacementTest, ObjectOffsetIsThePrePivotAndLeavesTheLocation) {
    SceneNode* node = Node();
    node->SetPosition({10.0f, 0.0f, 0.0f});
    node->SetObjOffsetPos({1.0f, 2.0f, 3.0f});
    const ActorPlacement placement(*node, 0);
    ExpectPoint(placement.prePivot, {1.0f, -2.0f, -3.0f});
    ExpectPoint(placement.location, {-10.0f, 0.0f, 0.0f});
}

TEST_F(ActorPlacementTest, TakenAtTheGivenTime) {
    SceneNode* node = Node();
    node->AddRotationKey(0, {0.0f, 0.0f, 0.0f});
    node->AddRotationKey(TICKS_PER_SECOND, {0.0f, 0.0f, 90.0f});
    EXPECT_EQ(ActorPlacement(*node, 0).yaw, 0);
    EXPECT_EQ(ActorPlacement(*node, TICKS_PER_SECOND).yaw, -16384);
}

}  // namespace
