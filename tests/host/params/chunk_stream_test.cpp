#include "host/core/Persistence.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

template <class T>
void WriteValue(ISave& save, const T& value) {
    std::size_t written = 0;
    ASSERT_EQ(save.Write(&value, sizeof value, &written), IO_OK);
    ASSERT_EQ(written, sizeof value);
}

template <class T>
T ReadValue(ILoad& load) {
    T value{};
    std::size_t read = 0;
    EXPECT_EQ(load.Read(&value, sizeof value, &read), IO_OK);
    EXPECT_EQ(read, sizeof value);
    return value;
}

// Two top-level chunks, the second holding a value and two chunks of its own.
Bytes NestedScene() {
    ISave save;
    save.BeginChunk(0x11B0);
    WriteValue(save, std::int32_t{3});
    save.EndChunk();
    save.BeginChunk(0x06CB);
    WriteValue(save, 1.5f);
    save.BeginChunk(0x0001);
    WriteValue(save, std::int32_t{-7});
    save.EndChunk();
    save.BeginChunk(0x0002);
    save.EndChunk();
    save.EndChunk();
    return save.Bytes();
}

}  // namespace

TEST(ChunkStreams, ValuesComeBackChunkByChunkInTheLayoutOfTheSceneFile) {
    ISave save;
    save.BeginChunk(0x06CB);
    WriteValue(save, std::uint32_t{0x04030201});
    EXPECT_TRUE(save.EndChunk());
    EXPECT_EQ(save.Bytes(), (Bytes{0xCB, 0x06, 10, 0, 0, 0, 1, 2, 3, 4})) << "id, length with header, content";

    save.BeginChunk(0xEC75);
    WriteValue(save, -2.25f);
    WriteValue(save, std::int32_t{-1});
    save.EndChunk();
    const Bytes bytes = save.Bytes();

    ILoad load(bytes);
    EXPECT_EQ(load.CurChunkID(), 0) << "no chunk open yet";
    ASSERT_EQ(load.OpenChunk(), IO_OK);
    EXPECT_EQ(load.CurChunkID(), 0x06CB);
    EXPECT_EQ(ReadValue<std::uint32_t>(load), 0x04030201u);
    EXPECT_EQ(load.CloseChunk(), IO_OK);
    ASSERT_EQ(load.OpenChunk(), IO_OK);
    EXPECT_EQ(load.CurChunkID(), 0xEC75);
    EXPECT_EQ(ReadValue<float>(load), -2.25f);
    EXPECT_EQ(ReadValue<std::int32_t>(load), -1);
    EXPECT_EQ(load.CloseChunk(), IO_OK);
    EXPECT_EQ(load.OpenChunk(), IO_END);
    EXPECT_EQ(load.OpenChunk(), IO_END);
    EXPECT_EQ(load.CloseChunk(), IO_ERROR) << "nothing left to close";
}

TEST(ChunkStreams, NestedChunksOpenWithinTheirParent) {
    const Bytes bytes = NestedScene();
    ILoad load(bytes);

    ASSERT_EQ(load.OpenChunk(), IO_OK);
    EXPECT_EQ(load.CurChunkID(), 0x11B0);
    load.CloseChunk();

    ASSERT_EQ(load.OpenChunk(), IO_OK);
    EXPECT_EQ(ReadValue<float>(load), 1.5f);
    ASSERT_EQ(load.OpenChunk(), IO_OK);
    EXPECT_EQ(load.CurChunkID(), 0x0001);
    EXPECT_EQ(ReadValue<std::int32_t>(load), -7);
    std::uint8_t extra = 0;
    std::size_t read = 5;
    EXPECT_EQ(load.Read(&extra, 1, &read), IO_ERROR) << "an inner chunk ends where it ends";
    EXPECT_EQ(read, 0u);
    load.CloseChunk();
    EXPECT_EQ(load.CurChunkID(), 0x06CB) << "back in the parent";
    ASSERT_EQ(load.OpenChunk(), IO_OK);
    EXPECT_EQ(load.CurChunkID(), 0x0002);
    EXPECT_EQ(load.OpenChunk(), IO_END) << "an empty chunk holds no chunks";
    load.CloseChunk();
    EXPECT_EQ(load.OpenChunk(), IO_END) << "the parent holds no more";
    load.CloseChunk();
    EXPECT_EQ(load.OpenChunk(), IO_END);

    ILoad skipping(bytes);
    skipping.OpenChunk();
    skipping.CloseChunk();
    skipping.OpenChunk();
    ReadValue<float>(skipping);
    skipping.OpenChunk();
    EXPECT_EQ(skipping.CurChunkID(), 0x0001);
    skipping.CloseChunk();
    skipping.CloseChunk();
    EXPECT_EQ(skipping.OpenChunk(), IO_END) << "closing a parent skips its unread chunks";
}

TEST(ChunkStreams, AShortChunkDeliversWhatItHoldsWithAnError) {
    ISave save;
    save.BeginChunk(0x0450);
    WriteValue(save, std::uint64_t{0x0807060504030201});
    save.EndChunk();
    save.BeginChunk(0x05D5);
    save.EndChunk();
    const Bytes bytes = save.Bytes();

    ILoad load(bytes);
    ASSERT_EQ(load.OpenChunk(), IO_OK);
    std::uint8_t block[12] = {};
    std::size_t read = 0;
    EXPECT_EQ(load.Read(block, sizeof block, &read), IO_ERROR);
    EXPECT_EQ(read, 8u);
    EXPECT_EQ(block[0], 1);
    EXPECT_EQ(block[7], 8);
    EXPECT_EQ(block[8], 0) << "nothing beyond the chunk is delivered";
    EXPECT_EQ(load.Read(block, 1, &read), IO_ERROR);
    EXPECT_EQ(read, 0u);
    load.CloseChunk();
    ASSERT_EQ(load.OpenChunk(), IO_OK) << "the next chunk is intact";
    EXPECT_EQ(load.CurChunkID(), 0x05D5);
}

TEST(ChunkStreams, MissingChunksAndWritesOutsideChunksAreRefused) {
    const Bytes empty;
    ILoad load(empty);
    EXPECT_EQ(load.OpenChunk(), IO_END);
    EXPECT_EQ(load.CurChunkID(), 0);
    std::int32_t value = 42;
    std::size_t read = 9;
    EXPECT_EQ(load.Read(&value, sizeof value, &read), IO_ERROR) << "no chunk is open";
    EXPECT_EQ(read, 0u);
    EXPECT_EQ(value, 42);

    ISave save;
    std::size_t written = 9;
    EXPECT_EQ(save.Write(&value, sizeof value, &written), IO_ERROR);
    EXPECT_EQ(written, 0u);
    EXPECT_FALSE(save.EndChunk());
    EXPECT_TRUE(save.Bytes().empty());
}

TEST(ChunkStreams, DamagedBytesEndReadingWithoutReadingPastTheEnd) {
    // The bytes sit in a larger buffer whose rest is a marker: a reader that
    // strays past the end would deliver it.
    constexpr std::uint8_t kMarker = 0xEE;
    constexpr std::size_t kFirstChunkSize = 10;
    const Bytes whole = NestedScene();
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        Bytes buffer(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        buffer.resize(whole.size() + 16, kMarker);
        ILoad load(buffer.data(), cut);

        IOResult result = IO_OK;
        int opened = 0;
        while ((result = load.OpenChunk()) == IO_OK && ++opened < 10) {
            EXPECT_NE(load.CurChunkID(), 0xEEEE);
            std::uint8_t content[64];
            std::size_t read = 0;
            load.Read(content, sizeof content, &read);
            for (std::size_t i = 0; i < read; ++i) EXPECT_NE(content[i], kMarker);
            load.CloseChunk();
        }
        const bool atChunkEnd = cut == 0 || cut == kFirstChunkSize;
        EXPECT_EQ(result, atChunkEnd ? IO_END : IO_ERROR) << "a cut chunk is damaged, not missing";
        EXPECT_EQ(load.OpenChunk(), result) << "and stays so";
    }

    const Bytes claimsTooMuch{0xCB, 0x06, 200, 0, 0, 0, 1, 2, 3, 4};
    const Bytes shorterThanHeader{0xCB, 0x06, 5, 0, 0, 0, 1, 2, 3, 4};
    const Bytes straggler{1, 2, 3};
    for (const Bytes* garbage : {&claimsTooMuch, &shorterThanHeader, &straggler}) {
        ILoad load(*garbage);
        EXPECT_EQ(load.OpenChunk(), IO_ERROR);
        EXPECT_EQ(load.CurChunkID(), 0);
    }
}
