// The brush modifier's own values: CSG operation, brush type and the
// polygon flags, whose check boxes toggle a bit per click.

#include "modifiers/UnrealBrushModifier.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBrushTypeIndex = 4922;
constexpr int kCsgIndex = 5021;
constexpr int kTwoSided = 4528 + 0x00000100;
constexpr int kPortal = 4528 + 0x04000000;
constexpr int kMirrored = 4528 + 0x08000000;

TEST(BrushModifier, NewBrushIsASolidAdditiveBrushWithoutFlags) {
    UnrealBrushModifier brush;
    EXPECT_EQ(brush.BrushType(), 0);
    EXPECT_EQ(brush.CsgOperation(), 0);
    EXPECT_EQ(brush.PolyFlags(), 0u);
    EXPECT_EQ(brush.ClassID(), BRUSH_MODIFIER_CLASS_ID);
    EXPECT_EQ(brush.SuperClassID(), OSM_CLASS_ID);
    EXPECT_EQ(brush.GetClassName(), "Unreal Brush");
}

TEST(BrushModifier, AFlagIndexTogglesItsBitWhateverTheValue) {
    UnrealBrushModifier brush;
    EXPECT_TRUE(brush.SetValue(kTwoSided, 0, 0));
    EXPECT_EQ(brush.PolyFlags(), 0x00000100u);
    EXPECT_TRUE(brush.SetValue(kTwoSided, 0, 1));
    EXPECT_EQ(brush.PolyFlags(), 0u);

    EXPECT_TRUE(brush.SetValue(kPortal, 0, 1));
    EXPECT_TRUE(brush.SetValue(kMirrored, 0, 1));
    EXPECT_EQ(brush.PolyFlags(), 0x0C000000u);
    int checked = 0;
    EXPECT_TRUE(brush.GetValue(kPortal, 0, checked));
    EXPECT_NE(checked, 0);
    EXPECT_TRUE(brush.GetValue(kTwoSided, 0, checked));
    EXPECT_EQ(checked, 0);

    // The solidity bits and the bits above Mirrored have no box.
    EXPECT_FALSE(brush.SetValue(4528 + 0x00000008, 0, 1));
    EXPECT_FALSE(brush.SetValue(4528 + 0x00000020, 0, 1));
    EXPECT_FALSE(brush.SetValue(4528 + 0x01000000, 0, 1));
    EXPECT_FALSE(brush.SetValue(4528 + 3, 0, 1));
    EXPECT_EQ(brush.PolyFlags(), 0x0C000000u);
}

TEST(BrushModifier, TypeAndOperationIndicesStoreThePosition) {
    UnrealBrushModifier brush;
    EXPECT_TRUE(brush.SetValue(kBrushTypeIndex, 0, 2));
    EXPECT_TRUE(brush.SetValue(kCsgIndex, 0, 3));
    EXPECT_EQ(brush.BrushType(), 2);
    EXPECT_EQ(brush.CsgOperation(), 3);
    int value = 0;
    EXPECT_TRUE(brush.GetValue(kBrushTypeIndex, 0, value));
    EXPECT_EQ(value, 2);
    EXPECT_TRUE(brush.GetValue(kCsgIndex, 0, value));
    EXPECT_EQ(value, 3);

    EXPECT_FALSE(brush.SetValue(kBrushTypeIndex, 0, 3));
    EXPECT_FALSE(brush.SetValue(kCsgIndex, 0, 4));
    EXPECT_FALSE(brush.SetValue(kCsgIndex, 0, -1));
    EXPECT_EQ(brush.BrushType(), 2);
    EXPECT_EQ(brush.CsgOperation(), 3);

    // The common indices still reach the common block.
    EXPECT_TRUE(brush.SetValue(1091, 0, 9));
    EXPECT_TRUE(brush.GetValue(1091, 0, value));
    EXPECT_EQ(value, 9);
    float real = 0.0f;
    EXPECT_FALSE(brush.GetValue(kBrushTypeIndex, 0, real));
}

}  // namespace
