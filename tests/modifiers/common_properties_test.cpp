// The common actor properties that all three modifiers carry: their
// defaults, their parameter indices and their 42 map lines.

#include "modifiers/UnrealBrushModifier.h"
#include "modifiers/UnrealMoverModifier.h"
#include "modifiers/UnrealPropertiesModifier.h"
#include "tests/modifiers/ModifierLines.h"

#include <gtest/gtest.h>

namespace {

std::string CommonText(CXMod& modifier) {
    return WrittenText([&](T3dWriter& writer) { EXPECT_EQ(modifier.CXModT3DExport(&writer), 1); });
}

TEST(CommonProperties, EveryNewModifierWritesTheFortyTwoDefaultLines) {
    UnrealPropertiesModifier properties;
    UnrealBrushModifier brush;
    UnrealMoverModifier mover;
    ASSERT_EQ(DefaultCommonLines().size(), 42u);
    EXPECT_EQ(CommonText(properties), MapLines(DefaultCommonLines()));
    EXPECT_EQ(CommonText(brush), MapLines(DefaultCommonLines()));
    EXPECT_EQ(CommonText(mover), MapLines(DefaultCommonLines()));
}

TEST(CommonProperties, FlagSlotsAreTheirParameterIndices) {
    UnrealPropertiesModifier modifier;
    EXPECT_TRUE(modifier.SetValue(25, 0, 0));  // Block actors
    EXPECT_TRUE(modifier.SetValue(34, 0, 1));  // Use cylinder collision
    EXPECT_TRUE(modifier.SetValue(53, 0, 1));  // Unlit
    EXPECT_TRUE(modifier.SetValue(5, 0, 1));   // Hidden
    std::vector<std::string> lines = DefaultCommonLines();
    lines = WithLine(lines, "bBlockActors", "False");
    lines = WithLine(lines, "bUseCylinderCollision", "True");
    lines = WithLine(lines, "bUnlit", "True");
    lines = WithLine(lines, "bHidden", "True");
    EXPECT_EQ(CommonText(modifier), MapLines(lines));

    int value = -1;
    EXPECT_TRUE(modifier.GetValue(34, 0, value));
    EXPECT_EQ(value, 1);
    // Slots without a check box hold 0 and write nothing.
    EXPECT_TRUE(modifier.GetValue(20, 0, value));
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(modifier.SetValue(72, 0, 1));
    EXPECT_FALSE(modifier.SetValue(-1, 0, 1));
}

TEST(CommonProperties, ScalarIndicesReachTheirValues) {
    UnrealPropertiesModifier modifier;
    EXPECT_TRUE(modifier.SetValue(1050, 0, 2.5f));
    EXPECT_TRUE(modifier.SetValue(1063, 0, 40.0f));
    EXPECT_TRUE(modifier.SetValue(1065, 0, -3.25f));
    EXPECT_TRUE(modifier.SetValue(1089, 0, 4096.0f));
    EXPECT_TRUE(modifier.SetValue(1078, 0, 10));
    EXPECT_TRUE(modifier.SetValue(1085, 0, 17));
    EXPECT_TRUE(modifier.SetValue(1091, 0, 255));
    EXPECT_TRUE(modifier.SetValue(1102, 0, 8));
    std::vector<std::string> lines = DefaultCommonLines();
    lines = WithLine(lines, "LifeSpan", "2.500000");
    lines = WithLine(lines, "CollisionHeight", "40.000000");
    lines = WithLine(lines, "CollisionRadius", "-3.250000");
    lines = WithLine(lines, "CullDistance", "4096.000000");
    lines = WithLine(lines, "SurfaceType", "EST_Glass");
    lines = WithLine(lines, "AmbientGlow", "17");
    lines = WithLine(lines, "MaxLights", "255");
    lines = WithLine(lines, "Style", "STY_AlphaZ");
    EXPECT_EQ(CommonText(modifier), MapLines(lines));

    float real = 0.0f;
    int whole = 0;
    EXPECT_TRUE(modifier.GetValue(1065, 0, real));
    EXPECT_EQ(real, -3.25f);
    EXPECT_TRUE(modifier.GetValue(1102, 0, whole));
    EXPECT_EQ(whole, 8);
    // An index of the other kind, or of no value, is not handled.
    EXPECT_FALSE(modifier.GetValue(1050, 0, whole));
    EXPECT_FALSE(modifier.GetValue(1091, 0, real));
    EXPECT_FALSE(modifier.SetValue(1051, 0, 1.0f));
    EXPECT_FALSE(modifier.GetValue(0, 0, real));
}

TEST(CommonProperties, ChoicesBeyondTheirButtonsAreRefused) {
    UnrealPropertiesModifier modifier;
    EXPECT_FALSE(modifier.SetValue(1078, 0, 11));
    EXPECT_FALSE(modifier.SetValue(1078, 0, -1));
    EXPECT_FALSE(modifier.SetValue(1102, 0, 9));
    EXPECT_EQ(CommonText(modifier), MapLines(DefaultCommonLines()));
}

}  // namespace
