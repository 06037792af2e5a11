// The mover modifier's own values and its fifteen map lines.

#include "modifiers/UnrealMoverModifier.h"
#include "tests/modifiers/ModifierLines.h"

#include <gtest/gtest.h>

namespace {

std::string MoverText(MoverModifier& mover) {
    return WrittenText([&](T3dWriter& writer) { EXPECT_EQ(mover.MoverModT3DExport(&writer), 1); });
}

TEST(MoverModifier, NewMoverWritesTheFifteenDefaultLines) {
    UnrealMoverModifier mover;
    EXPECT_EQ(MoverText(mover), MapLines(DefaultMoverLines()));
    EXPECT_EQ(mover.ClassID(), MOVER_MODIFIER_CLASS_ID);
    EXPECT_EQ(mover.GetClassName(), "Unreal Mover");
}

TEST(MoverModifier, LeaderAndKeyNumbersAreKeptButNeverWritten) {
    UnrealMoverModifier mover;
    EXPECT_TRUE(mover.SetValue(2147, 0, 12));
    EXPECT_TRUE(mover.SetValue(2149, 0, 200));
    EXPECT_TRUE(mover.SetValue(1112, 0, 1));
    EXPECT_EQ(MoverText(mover), MapLines(DefaultMoverLines()));
    int value = 0;
    EXPECT_TRUE(mover.GetValue(2147, 0, value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(mover.GetValue(2149, 0, value));
    EXPECT_EQ(value, 200);
    EXPECT_TRUE(mover.GetValue(1112, 0, value));
    EXPECT_EQ(value, 1);
}

TEST(MoverModifier, ParameterIndicesReachTheirLines) {
    UnrealMoverModifier mover;
    EXPECT_TRUE(mover.SetValue(1104, 0, 1));
    EXPECT_TRUE(mover.SetValue(1107, 0, 0));
    EXPECT_TRUE(mover.SetValue(1111, 0, 1));
    EXPECT_TRUE(mover.SetValue(2138, 0, 25.0f));
    EXPECT_TRUE(mover.SetValue(2139, 0, 0.5f));
    EXPECT_TRUE(mover.SetValue(2140, 0, 100.0f));
    EXPECT_TRUE(mover.SetValue(2141, 0, 3));
    EXPECT_TRUE(mover.SetValue(2142, 0, 0));
    EXPECT_TRUE(mover.SetValue(2143, 0, 2));
    EXPECT_TRUE(mover.SetValue(2144, 0, 7));
    std::vector<std::string> lines = DefaultMoverLines();
    lines = WithLine(lines, "bDamageTriggered", "True");
    lines = WithLine(lines, "bToggleDirection", "False");
    lines = WithLine(lines, "bSlave", "True");
    lines = WithLine(lines, "DamageThreshold", "25.000000");
    lines = WithLine(lines, "DelayTime", "0.500000");
    lines = WithLine(lines, "StayOpenTime", "100.000000");
    lines = WithLine(lines, "MoverEncroachType", "ME_IgnoreWhenEncroached");
    lines = WithLine(lines, "MoverGlideType", "MV_MoveByTime");
    lines = WithLine(lines, "PlayerBumpEvent", "BT_AnyBump");
    lines = WithLine(lines, "InitialState", "\"TriggerToggle\"");
    EXPECT_EQ(MoverText(mover), MapLines(lines));

    float real = 0.0f;
    EXPECT_TRUE(mover.GetValue(2139, 0, real));
    EXPECT_EQ(real, 0.5f);
    int value = 0;
    EXPECT_TRUE(mover.GetValue(2144, 0, value));
    EXPECT_EQ(value, 7);
    // Choices beyond their lists are refused; the common block still answers.
    EXPECT_FALSE(mover.SetValue(2141, 0, 4));
    EXPECT_FALSE(mover.SetValue(2142, 0, 2));
    EXPECT_FALSE(mover.SetValue(2144, 0, 12));
    EXPECT_FALSE(mover.SetValue(1113, 0, 1));
    EXPECT_FALSE(mover.SetValue(2141, 0, 1.0f));
    EXPECT_TRUE(mover.SetValue(1063, 0, 80.0f));
    EXPECT_TRUE(mover.GetValue(1063, 0, real));
    EXPECT_EQ(real, 80.0f);
}

}  // namespace
