#include "host/scene/PositionControllers.h"
#include "host/scene/Scene.h"
#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TrackKind {
    FloatTrackType type;
    Class_ID classId;
};

constexpr TrackKind kTrackKinds[] = {
    {FloatTrackType::Linear, Class_ID(0x2001, 0)},
    {FloatTrackType::Bezier, Class_ID(0x2007, 0)},
    {FloatTrackType::TCB, Class_ID(0x442311, 0)},
};

}  // namespace

TEST(FloatTrack, EveryTypeHoldsOutsideItsKeysAndIsLinearBetween) {
    for (const TrackKind& kind : kTrackKinds) {
        SCOPED_TRACE(static_cast<int>(kind.type));
        FloatTrack track(kind.type);
        EXPECT_EQ(track.ClassID(), kind.classId);
        EXPECT_EQ(track.SuperClassID(), CTRL_FLOAT_CLASS_ID);
        track.SetUnkeyedValue(7.0f);
        EXPECT_EQ(track.GetValue(0), 7.0f);

        // Added out of order: the track keeps them in time order.
        track.AddKey(400, -10.0f);
        track.AddKey(100, 10.0f);
        track.AddKey(200, 30.0f);
        EXPECT_EQ(track.GetValue(-50), 10.0f);
        EXPECT_EQ(track.GetValue(100), 10.0f);
        EXPECT_FLOAT_EQ(track.GetValue(150), 20.0f);
        EXPECT_EQ(track.GetValue(200), 30.0f);
        EXPECT_FLOAT_EQ(track.GetValue(250), 20.0f);
        EXPECT_EQ(track.GetValue(400), -10.0f);
        EXPECT_EQ(track.GetValue(100000), -10.0f);

        IKeyControl* keys = track.GetKeyControlInterface();
        ASSERT_NE(keys, nullptr);
        ASSERT_EQ(keys->GetNumKeys(), 3);
        EXPECT_EQ(keys->GetKeyTime(0), 100);
        EXPECT_EQ(keys->GetKeyTime(1), 200);
        EXPECT_EQ(keys->GetKeyTime(2), 400);

        // A key at an existing key's time replaces it.
        track.AddKey(200, 50.0f);
        EXPECT_EQ(keys->GetNumKeys(), 3);
        EXPECT_EQ(track.GetKeyValue(1), 50.0f);
    }
}

TEST(FloatTrack, KeyValuesAreExactAtTheirOwnTimes) {
    FloatTrack track(FloatTrackType::Linear);
    const float values[] = {0.1f, 1e7f, -3.3f, 1e-7f, 123.456f};
    for (int i = 0; i < 5; ++i) track.AddKey(i * 4801, values[i]);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(track.GetValue(i * 4801), values[i]) << "key " << i;
}

TEST(NodePosition, KeyedAxesReplaceTheStaticPosition) {
    Scene scene;
    SceneNode* node = scene.GetRootNode()->AddChild("Lift");
    node->SetPosition(Point3(1, 2, 3));

    Control* defaults = node->GetPositionController();
    EXPECT_EQ(defaults->ClassID(), POSITION_XYZ_CLASS_ID);
    ASSERT_NE(defaults->GetXController(), nullptr);
    EXPECT_EQ(defaults->GetXController()->ClassID(), BEZIER_FLOAT_CLASS_ID);
    EXPECT_EQ(defaults->GetXController()->GetKeyControlInterface()->GetNumKeys(), 0);
    EXPECT_TRUE(PointNear(node->GetNodeTM(1000).GetTrans(), Point3(1, 2, 3)));

    auto xyz = std::make_unique<PositionXYZControl>();
    xyz->Axis(0).SetTrackType(FloatTrackType::TCB);
    xyz->Axis(0).AddKey(0, 10.0f);
    xyz->Axis(0).AddKey(4800, 20.0f);
    xyz->Axis(2).SetTrackType(FloatTrackType::Linear);
    xyz->Axis(2).AddKey(2400, -5.0f);
    node->SetPositionController(std::move(xyz));

    EXPECT_TRUE(PointNear(node->GetNodeTM(-100).GetTrans(), Point3(10, 2, -5)));
    EXPECT_TRUE(PointNear(node->GetNodeTM(2400).GetTrans(), Point3(15, 2, -5)));
    EXPECT_TRUE(PointNear(node->GetNodeTM(9600).GetTrans(), Point3(20, 2, -5)));

    // The static position may also come after the controller.
    node->SetPosition(Point3(4, 6, 8));
    EXPECT_TRUE(PointNear(node->GetNodeTM(4800).GetTrans(), Point3(20, 6, -5)));

    Control* position = node->GetPositionController();
    EXPECT_EQ(position->GetXController()->ClassID(), TCB_FLOAT_CLASS_ID);
    EXPECT_EQ(position->GetXController()->GetKeyControlInterface()->GetKeyTime(1), 4800);
    EXPECT_EQ(position->GetYController()->GetKeyControlInterface()->GetNumKeys(), 0);
    EXPECT_EQ(position->GetZController()->ClassID(), LININTERP_FLOAT_CLASS_ID);
}

TEST(NodePosition, SingleControllerHasNoTracksAndNoKeys) {
    Scene scene;
    SceneNode* node = scene.GetRootNode()->AddChild("Crate");
    node->SetPosition(Point3(3, 4, 5));
    node->SetPositionController(std::make_unique<SinglePositionControl>());

    Control* position = node->GetPositionController();
    EXPECT_EQ(position->ClassID(), SINGLE_POSITION_CLASS_ID);
    EXPECT_EQ(position->SuperClassID(), CTRL_POSITION_CLASS_ID);
    EXPECT_EQ(position->GetXController(), nullptr);
    EXPECT_EQ(position->GetYController(), nullptr);
    EXPECT_EQ(position->GetZController(), nullptr);
    EXPECT_EQ(position->GetKeyControlInterface(), nullptr);
    EXPECT_TRUE(PointNear(node->GetNodeTM(0).GetTrans(), Point3(3, 4, 5)));
    EXPECT_TRUE(PointNear(node->GetNodeTM(4800).GetTrans(), Point3(3, 4, 5)));
}

TEST(NodeRotation, KeysReplaceTheStaticRotation) {
    Scene scene;
    SceneNode* node = scene.GetRootNode()->AddChild("Door");
    node->SetPosition(Point3(0, 0, 7));
    node->AddRotationKey(4800, Point3(0, 0, 90));
    node->AddRotationKey(0, Point3(0, 0, 0));

    const float half = 0.70710678f;
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetNodeTM(-1), Point3(1, 0, 7)));
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetNodeTM(0), Point3(1, 0, 7)));
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetNodeTM(2400), Point3(half, half, 7)));
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetNodeTM(4800), Point3(0, 1, 7)));
    EXPECT_TRUE(PointNear(Point3(1, 0, 0) * node->GetNodeTM(20000), Point3(0, 1, 7)));
}
