#include "common/ByteSink.h"

#include "ScratchFolder.h"
#include "host/os/Files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

using textout::ByteSink;

// Pieces of every kind the sink takes, with the bytes they stand for.
std::string WritePieces(ByteSink& sink) {
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const std::string piece = "piece " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 23), 'x');
        sink.Append(piece);
        sink.Append('\n');
        sink.AppendRepeated('\t', static_cast<std::size_t>(i % 5));
        expected += piece + '\n' + std::string(static_cast<std::size_t>(i % 5), '\t');
    }
    const std::string large(70000, 'L');
    sink.Append(large);
    expected += large;
    return expected;
}

TEST(ByteSink, SameBytesWhateverTheChunkSize) {
    ScratchFolder folder;
    for (std::size_t chunk : {std::size_t{1}, std::size_t{3}, std::size_t{7}, std::size_t{4096},
                              ByteSink::kDefaultChunkSize}) {
        const std::string path = folder / ("out" + std::to_string(chunk));
        ByteSink sink(chunk);
        ASSERT_TRUE(sink.Create(path));
        const std::string expected = WritePieces(sink);
        EXPECT_TRUE(sink.Commit());
        EXPECT_EQ(FileContents(path), expected) << "chunk size " << chunk;
        EXPECT_FALSE(sink.Failed());
    }
}

TEST(ByteSink, WritesWholeChunksUntilClosed) {
    ScratchFolder folder;
    const std::string path = folder / "chunks";
    ByteSink sink(4);
    ASSERT_TRUE(sink.CreateInPlace(path));
    sink.Append("0123456789");
    EXPECT_EQ(FileContents(path), "01234567");
    sink.Append("ab");
    EXPECT_EQ(FileContents(path), "0123456789ab");
    sink.Append('c');
    sink.Close();
    EXPECT_EQ(FileContents(path), "0123456789abc");
}

TEST(ByteSink, OpenCloseAndReplace) {
    ScratchFolder folder;
    const std::string path = folder / "file";
    ByteSink sink;
    EXPECT_FALSE(sink.IsOpen());
    sink.Append("dropped before Create");
    sink.Close();

    ASSERT_TRUE(os::ReplaceFile(path, "old contents that must go"));
    ASSERT_TRUE(sink.Create(path));
    EXPECT_TRUE(sink.IsOpen());
    sink.Append("new");
    sink.Close();
    EXPECT_FALSE(sink.IsOpen());
    sink.Append(" dropped after Close");
    sink.Close();
    EXPECT_EQ(FileContents(path), "old contents that must go") << "replaced only at Commit";
    EXPECT_TRUE(sink.Commit());
    EXPECT_EQ(FileContents(path), "new");

    // Creating another file first writes out and closes the current one.
    const std::string second = folder / "second";
    ASSERT_TRUE(sink.Create(path));
    sink.Append("first file");
    ASSERT_TRUE(sink.Create(second));
    sink.Append("second file");
    EXPECT_TRUE(sink.Commit());
    EXPECT_EQ(FileContents(path), "first file");
    EXPECT_EQ(FileContents(second), "second file");

    EXPECT_FALSE(sink.Create(folder / "missing/file"));
    EXPECT_FALSE(sink.IsOpen());
    EXPECT_FALSE(sink.Failed()) << "a file that cannot be created is no write failure";
}

TEST(ByteSink, WriteFailureIsRemembered) {
    if (::access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full to fill";
    ScratchFolder folder;
    ByteSink sink(4);
    ASSERT_TRUE(sink.CreateInPlace("/dev/full"));
    sink.Append("abc");
    EXPECT_FALSE(sink.Failed()) << "nothing is written before a chunk is full";
    sink.Append("defgh");
    EXPECT_TRUE(sink.Failed());

    ASSERT_TRUE(os::ReplaceFile(folder / "fine", "previous"));
    ASSERT_TRUE(sink.Create(folder / "fine"));
    sink.Append("fine");
    sink.Close();
    EXPECT_TRUE(sink.Failed()) << "the failure stays known after the next file";
    EXPECT_FALSE(sink.Commit());
    EXPECT_EQ(os::LastError(), std::strerror(ENOSPC)) << "the first failure's reason";
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"fine"}) << "no temporary file left";
    EXPECT_EQ(FileContents(folder / "fine"), "previous") << "a failed sink replaces nothing";

    ByteSink atClose(64);
    ASSERT_TRUE(atClose.CreateInPlace("/dev/full"));
    atClose.Append("short");
    atClose.Close();
    EXPECT_TRUE(atClose.Failed()) << "the last, partial chunk fails at Close";
}

}  // namespace
