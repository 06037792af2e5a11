// A cloned modifier takes over every value of its source and is paired
// with it for the host.

#include "modifiers/UnrealBrushModifier.h"
#include "modifiers/UnrealMoverModifier.h"
#include "modifiers/UnrealPropertiesModifier.h"
#include "tests/modifiers/ModifierLines.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string CommonText(CXMod& modifier) {
    return WrittenText([&](T3dWriter& writer) { modifier.CXModT3DExport(&writer); });
}

template <class Modifier>
std::unique_ptr<Modifier> CloneOf(Modifier& source, RemapDir& remap) {
    Animatable* copy = source.Clone(remap);
    EXPECT_NE(copy, nullptr);
    EXPECT_EQ(remap.FindMapping(&source), copy);
    EXPECT_EQ(copy->ClassID(), source.ClassID());
    return std::unique_ptr<Modifier>(static_cast<Modifier*>(copy));
}

TEST(ModifierClone, CloneTakesOverTheCommonBlock) {
    UnrealPropertiesModifier source;
    source.SetValue(26, 0, 0);
    source.SetValue(1065, 0, 32.0f);
    source.SetValue(1078, 0, 9);
    RemapDir remap;
    std::unique_ptr<UnrealPropertiesModifier> copy = CloneOf(source, remap);
    EXPECT_EQ(CommonText(*copy), CommonText(source));
    EXPECT_NE(CommonText(*copy), MapLines(DefaultCommonLines()));

    // The two are independent afterwards.
    copy->SetValue(1078, 0, 1);
    EXPECT_NE(CommonText(*copy), CommonText(source));
}

TEST(ModifierClone, BrushCloneTakesOverItsThreeValuesAndTheCommonBlock) {
    UnrealBrushModifier source;
    source.SetValue(4922, 0, 1);
    source.SetValue(5021, 0, 2);
    source.SetValue(4528 + 0x00000800, 0, 1);
    source.SetValue(1085, 0, 99);
    RemapDir remap;
    std::unique_ptr<UnrealBrushModifier> copy = CloneOf(source, remap);
    EXPECT_EQ(copy->BrushType(), 1);
    EXPECT_EQ(copy->CsgOperation(), 2);
    EXPECT_EQ(copy->PolyFlags(), 0x00000800u);
    EXPECT_EQ(CommonText(*copy), CommonText(source));
}

TEST(ModifierClone, MoverCloneTakesOverItsBlockAndTheCommonBlock) {
    UnrealMoverModifier source;
    source.SetValue(2139, 0, 3.0f);
    source.SetValue(2141, 0, 2);
    source.SetValue(1110, 0, 1);
    source.SetValue(2149, 0, 77);
    source.SetValue(1112, 0, 1);
    source.SetValue(1102, 0, 2);
    RemapDir remap;
    std::unique_ptr<UnrealMoverModifier> copy = CloneOf(source, remap);
    const auto moverText = [](MoverModifier& mover) {
        return WrittenText([&](T3dWriter& writer) { mover.MoverModT3DExport(&writer); });
    };
    EXPECT_EQ(moverText(*copy), moverText(source));
    EXPECT_NE(moverText(*copy), MapLines(DefaultMoverLines()));
    EXPECT_EQ(CommonText(*copy), CommonText(source));
    int value = 0;
    EXPECT_TRUE(copy->GetValue(2149, 0, value));
    EXPECT_EQ(value, 77);
    EXPECT_TRUE(copy->GetValue(1112, 0, value));
    EXPECT_EQ(value, 1);
}

}  // namespace
