// Saved state: each class level writes one chunk, the subclass's first;
// loading takes the chunks it knows, skips the others and keeps what it
// read when the data runs short.

#include "modifiers/UnrealBrushModifier.h"
#include "modifiers/UnrealMoverModifier.h"
#include "modifiers/UnrealPropertiesModifier.h"
#include "tests/modifiers/ModifierLines.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Saved(Animatable& modifier) {
    ISave isave;
    EXPECT_EQ(modifier.Save(&isave), IO_OK);
    return isave.Bytes();
}

void LoadInto(Animatable& modifier, const Bytes& bytes) {
    ILoad iload(bytes);
    EXPECT_EQ(modifier.Load(&iload), IO_OK);
}

// One chunk holding exactly these bytes.
Bytes Chunk(std::uint16_t id, const void* data, std::size_t size) {
    ISave isave;
    isave.BeginChunk(id);
    isave.Write(data, size, nullptr);
    isave.EndChunk();
    return isave.Bytes();
}

Bytes operator+(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string CommonText(CXMod& modifier) {
    return WrittenText([&](T3dWriter& writer) { modifier.CXModT3DExport(&writer); });
}

std::string MoverText(MoverModifier& mover) {
    return WrittenText([&](T3dWriter& writer) { mover.MoverModT3DExport(&writer); });
}

// Sets values of every kind away from their defaults.
template <class Modifier>
void ChangeCommon(Modifier& modifier) {
    modifier.SetValue(25, 0, 0);
    modifier.SetValue(53, 0, 1);
    modifier.SetValue(1050, 0, 7.5f);
    modifier.SetValue(1078, 0, 3);
    modifier.SetValue(1091, 0, 128);
    modifier.SetValue(1102, 0, 4);
}

void ChangeMover(UnrealMoverModifier& mover) {
    ChangeCommon(mover);
    mover.SetValue(2138, 0, 12.0f);
    mover.SetValue(2140, 0, 9.0f);
    mover.SetValue(2143, 0, 1);
    mover.SetValue(2144, 0, 3);
    mover.SetValue(2147, 0, 33);
    mover.SetValue(2149, 0, 44);
    mover.SetValue(1106, 0, 1);
    mover.SetValue(1112, 0, 1);
}

TEST(ModifierChunks, EachClassSavesItsOwnChunkBeforeTheCommonOne) {
    UnrealPropertiesModifier properties;
    const Bytes propertiesBytes = Saved(properties);
    ILoad common(propertiesBytes);
    ASSERT_EQ(common.OpenChunk(), IO_OK);
    EXPECT_EQ(common.CurChunkID(), 0x06CB);
    EXPECT_EQ(propertiesBytes.size(), 6u + 320u);

    UnrealBrushModifier brush;
    brush.SetValue(5021, 0, 1);
    brush.SetValue(4922, 0, 2);
    brush.SetValue(4528 + 0x04000000, 0, 1);
    const Bytes brushBytes = Saved(brush);
    ASSERT_EQ(brushBytes.size(), 6u + 12u + 6u + 320u);
    ILoad brushChunks(brushBytes);
    ASSERT_EQ(brushChunks.OpenChunk(), IO_OK);
    EXPECT_EQ(brushChunks.CurChunkID(), 0x11B0);
    std::int32_t words[3] = {};
    EXPECT_EQ(brushChunks.Read(words, sizeof words, nullptr), IO_OK);
    EXPECT_EQ(words[0], 1);  // CSG operation first, then the type, then the flags
    EXPECT_EQ(words[1], 2);
    EXPECT_EQ(static_cast<std::uint32_t>(words[2]), 0x04000000u);
    brushChunks.CloseChunk();
    ASSERT_EQ(brushChunks.OpenChunk(), IO_OK);
    EXPECT_EQ(brushChunks.CurChunkID(), 0x06CB);

    UnrealMoverModifier mover;
    const Bytes moverBytes = Saved(mover);
    ASSERT_EQ(moverBytes.size(), 6u + 100u + 6u + 320u);
    ILoad moverChunks(moverBytes);
    ASSERT_EQ(moverChunks.OpenChunk(), IO_OK);
    EXPECT_EQ(moverChunks.CurChunkID(), 0x0450);
    float times[3] = {};
    EXPECT_EQ(moverChunks.Read(times, sizeof times, nullptr), IO_OK);
    EXPECT_EQ(times[2], 4.0f);
}

TEST(ModifierChunks, SavedModifiersLoadBackWithEveryValue) {
    UnrealPropertiesModifier properties;
    ChangeCommon(properties);
    UnrealPropertiesModifier propertiesCopy;
    LoadInto(propertiesCopy, Saved(properties));
    EXPECT_EQ(CommonText(propertiesCopy), CommonText(properties));
    EXPECT_NE(CommonText(propertiesCopy), MapLines(DefaultCommonLines()));

    UnrealBrushModifier brush;
    ChangeCommon(brush);
    brush.SetValue(5021, 0, 3);
    brush.SetValue(4922, 0, 1);
    brush.SetValue(4528 + 0x08000000, 0, 1);
    brush.SetValue(4528 + 0x00000001, 0, 1);
    UnrealBrushModifier brushCopy;
    LoadInto(brushCopy, Saved(brush));
    EXPECT_EQ(brushCopy.CsgOperation(), 3);
    EXPECT_EQ(brushCopy.BrushType(), 1);
    EXPECT_EQ(brushCopy.PolyFlags(), 0x08000001u);
    EXPECT_EQ(CommonText(brushCopy), CommonText(brush));

    UnrealMoverModifier mover;
    ChangeMover(mover);
    UnrealMoverModifier moverCopy;
    LoadInto(moverCopy, Saved(mover));
    EXPECT_EQ(MoverText(moverCopy), MoverText(mover));
    EXPECT_NE(MoverText(moverCopy), MapLines(DefaultMoverLines()));
    EXPECT_EQ(CommonText(moverCopy), CommonText(mover));
    for (int index : {2147, 2149, 1112}) {
        int original = 0;
        int copied = -1;
        mover.GetValue(index, 0, original);
        moverCopy.GetValue(index, 0, copied);
        EXPECT_EQ(copied, original) << index;
    }

    // A new modifier saved and loaded again is still new.
    UnrealBrushModifier fresh;
    UnrealBrushModifier freshCopy;
    LoadInto(freshCopy, Saved(fresh));
    EXPECT_EQ(freshCopy.BrushType(), 0);
    EXPECT_EQ(freshCopy.CsgOperation(), 0);
    EXPECT_EQ(freshCopy.PolyFlags(), 0u);
    EXPECT_EQ(CommonText(freshCopy), MapLines(DefaultCommonLines()));
}

TEST(ModifierChunks, ShortChunkKeepsTheWholeWordsReadAndEndsTheLoad) {
    UnrealPropertiesModifier changed;
    ChangeCommon(changed);
    const Bytes commonChunk = Saved(changed);

    // Three times and half of the encroach type, then a whole common chunk.
    const float times[3] = {1.0f, 2.0f, 3.0f};
    std::uint8_t shortMover[14] = {};
    std::memcpy(shortMover, times, sizeof times);
    shortMover[12] = 3;
    UnrealMoverModifier mover;
    LoadInto(mover, Chunk(0x0450, shortMover, sizeof shortMover) + commonChunk);
    std::vector<std::string> lines = DefaultMoverLines();
    lines = WithLine(lines, "DamageThreshold", "1.000000");
    lines = WithLine(lines, "DelayTime", "2.000000");
    lines = WithLine(lines, "StayOpenTime", "3.000000");
    EXPECT_EQ(MoverText(mover), MapLines(lines));
    EXPECT_EQ(CommonText(mover), MapLines(DefaultCommonLines()));

    // Life span, height, radius, surface type, glow, and half of max lights.
    const Bytes saved = Saved(changed);
    UnrealPropertiesModifier properties;
    LoadInto(properties, Chunk(0x06CB, saved.data() + 6, 5 * 4 + 2));
    lines = WithLine(DefaultCommonLines(), "LifeSpan", "7.500000");
    lines = WithLine(lines, "SurfaceType", "EST_Metal");
    EXPECT_EQ(CommonText(properties), MapLines(lines));
}

TEST(ModifierChunks, MissingOrCutChunksLeaveTheDefaults) {
    UnrealMoverModifier mover;
    LoadInto(mover, {});
    EXPECT_EQ(MoverText(mover), MapLines(DefaultMoverLines()));
    EXPECT_EQ(CommonText(mover), MapLines(DefaultCommonLines()));

    // A header that claims more than the bytes hold opens nothing.
    UnrealMoverModifier changed;
    ChangeMover(changed);
    Bytes cut = Saved(changed);
    cut.resize(50);
    UnrealMoverModifier fromCut;
    LoadInto(fromCut, cut);
    EXPECT_EQ(MoverText(fromCut), MapLines(DefaultMoverLines()));

    UnrealBrushModifier brush;
    LoadInto(brush, Bytes{0xB0, 0x11, 0x20});
    EXPECT_EQ(brush.PolyFlags(), 0u);
}

TEST(ModifierChunks, ChunksOfAnotherClassAreSkipped) {
    UnrealBrushModifier brush;
    ChangeCommon(brush);
    brush.SetValue(4922, 0, 2);
    brush.SetValue(4528 + 0x00000100, 0, 1);
    const Bytes brushBytes = Saved(brush);

    UnrealMoverModifier mover;
    LoadInto(mover, brushBytes);
    EXPECT_EQ(MoverText(mover), MapLines(DefaultMoverLines()));
    EXPECT_EQ(CommonText(mover), CommonText(brush));

    UnrealMoverModifier changedMover;
    ChangeMover(changedMover);
    UnrealBrushModifier brushFromMover;
    LoadInto(brushFromMover, Saved(changedMover));
    EXPECT_EQ(brushFromMover.BrushType(), 0);
    EXPECT_EQ(brushFromMover.PolyFlags(), 0u);
    EXPECT_EQ(CommonText(brushFromMover), CommonText(changedMover));

    UnrealPropertiesModifier properties;
    LoadInto(properties, brushBytes);
    EXPECT_EQ(CommonText(properties), CommonText(brush));

    // A chunk nobody knows, first, does not stop the load.
    const std::uint8_t junk[5] = {1, 2, 3, 4, 5};
    UnrealBrushModifier afterJunk;
    LoadInto(afterJunk, Chunk(0x1234, junk, sizeof junk) + brushBytes);
    EXPECT_EQ(afterJunk.BrushType(), 2);
    EXPECT_EQ(afterJunk.PolyFlags(), 0x00000100u);
}

}  // namespace
