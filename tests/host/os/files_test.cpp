#include "host/os/Files.h"

#include "tests/common/ScratchFolder.h"
#include "tests/host/os/ScopedVariable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

bool WriteFile(const std::string& path, const std::string& contents) {
    os::File file = os::File::CreateAlways(path);
    return file.IsOpen() && file.Write(contents.data(), contents.size()) && file.Close();
}

std::string AllByteValues() {
    std::string bytes;
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    return bytes;
}

TEST(OsFiles, CreateAlwaysReplacesContentsAndReadWholeFileReadsThemBack) {
    ScratchFolder folder;
    const std::string path = folder / "map.t3d";
    ASSERT_TRUE(WriteFile(path, "a first, longer text\r\n"));
    ASSERT_TRUE(WriteFile(path, "short"));
    std::string contents = "stale";
    ASSERT_TRUE(os::ReadWholeFile(path, contents));
    EXPECT_EQ(contents, "short");

    // Larger than one read block, with every byte value.
    std::string big;
    while (big.size() < 200000) big += AllByteValues();
    ASSERT_TRUE(WriteFile(path, big));
    ASSERT_TRUE(os::ReadWholeFile(path, contents));
    EXPECT_EQ(contents, big);

    ASSERT_TRUE(WriteFile(path, ""));
    ASSERT_TRUE(os::ReadWholeFile(path, contents));
    EXPECT_EQ(contents, "");

    EXPECT_FALSE(os::ReadWholeFile(folder / "missing.t3d", contents));
    EXPECT_FALSE(os::ReadWholeFile(folder.Path(), contents));
}

TEST(OsFiles, HandlesReadAndCloseAsTheirContractSays) {
    ScratchFolder folder;
    const std::string path = folder / "data.bin";
    ASSERT_TRUE(WriteFile(path, "abcdef"));

    os::File reader = os::File::OpenRead(path);
    ASSERT_TRUE(reader.IsOpen());
    char buffer[4];
    EXPECT_EQ(reader.Read(buffer, sizeof buffer), 4);
    EXPECT_EQ(std::string(buffer, 4), "abcd");
    EXPECT_EQ(reader.Read(buffer, sizeof buffer), 2);
    EXPECT_EQ(reader.Read(buffer, sizeof buffer), 0);

    os::File moved = std::move(reader);
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_TRUE(moved.IsOpen());
    EXPECT_TRUE(moved.Close());
    EXPECT_FALSE(moved.IsOpen());
    EXPECT_EQ(moved.Read(buffer, sizeof buffer), -1);
    EXPECT_FALSE(moved.Write("x", 1));
    EXPECT_FALSE(moved.Sync());

    // A read-only handle refuses writes.
    os::File readOnly = os::File::OpenRead(path);
    EXPECT_FALSE(readOnly.Write("x", 1));
}

TEST(OsFiles, BackslashesSeparateFoldersLikeSlashes) {
    ScratchFolder folder;
    EXPECT_EQ(os::NativePath("C:\\maps\\Level.t3d"), "C:/maps/Level.t3d");

    ASSERT_TRUE(os::CreateDirectory(folder.Path() + "\\ase_myLevel"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "ase_myLevel"));

    const std::string windowsStyle = folder.Path() + "\\ase_myLevel\\Box01.ase";
    const std::string native = folder / "ase_myLevel/Box01.ase";
    ASSERT_TRUE(WriteFile(windowsStyle, "mesh"));
    std::string contents;
    ASSERT_TRUE(os::ReadWholeFile(native, contents));
    EXPECT_EQ(contents, "mesh");
    EXPECT_TRUE(os::FileExists(windowsStyle));
    EXPECT_EQ(os::FindFiles(folder.Path() + "\\ase_myLevel", "*.ase"), std::vector<std::string>{"Box01.ase"});
    EXPECT_TRUE(os::ReplaceFile(windowsStyle, "other mesh"));
    ASSERT_TRUE(os::ReadWholeFile(native, contents));
    EXPECT_EQ(contents, "other mesh");
    EXPECT_TRUE(os::DeleteFile(windowsStyle));
    EXPECT_FALSE(os::FileExists(native));
}

TEST(OsFiles, CreateDirectoryAcceptsAnExistingFolderAndRefusesAPathUnderAFile) {
    ScratchFolder folder;
    EXPECT_TRUE(os::CreateDirectory(folder.Path()));
    EXPECT_TRUE(os::CreateDirectory(folder.Path() + "/"));
    EXPECT_TRUE(os::CreateDirectory(folder / "new"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "new"));
    EXPECT_TRUE(os::CreateDirectory(folder / "new"));

    ASSERT_TRUE(WriteFile(folder / "plain", "x"));
    EXPECT_FALSE(os::CreateDirectory(folder / "plain"));
    EXPECT_FALSE(os::CreateDirectory(folder / "plain/sub"));
    EXPECT_EQ(os::LastError(), std::strerror(ENOTDIR));
    EXPECT_FALSE(os::CreateDirectory(folder / "missing/sub"));
    EXPECT_EQ(os::LastError(), std::strerror(ENOENT));
}

TEST(OsFiles, FindFilesMatchesWildcardsWithoutRegardToCase) {
    ScratchFolder folder;
    for (const char* name : {"b.T3D", "a.t3d", "ab.t3d", "abc.T3d", "c.t3dx", "d.ase", "t3d"})
        ASSERT_TRUE(WriteFile(folder / name, ""));
    ASSERT_TRUE(os::CreateDirectory(folder / "e.t3d"));

    using Names = std::vector<std::string>;
    EXPECT_EQ(os::FindFiles(folder.Path(), "*.t3d"), (Names{"a.t3d", "ab.t3d", "abc.T3d", "b.T3D"}));
    EXPECT_EQ(os::FindFiles(folder.Path(), "A?.T3D"), (Names{"ab.t3d"}));
    EXPECT_EQ(os::FindFiles(folder.Path(), "a*c.t3d"), (Names{"abc.T3d"}));
    EXPECT_EQ(os::FindFiles(folder.Path(), "*"), (Names{"a.t3d", "ab.t3d", "abc.T3d", "b.T3D", "c.t3dx", "d.ase", "t3d"}));
    EXPECT_EQ(os::FindFiles(folder.Path(), "T3D"), (Names{"t3d"}));
    EXPECT_EQ(os::FindFiles(folder.Path(), "?.ase"), (Names{"d.ase"}));
    EXPECT_TRUE(os::FindFiles(folder.Path(), "*.cxa").empty());
    EXPECT_TRUE(os::FindFiles(folder / "missing", "*").empty());
}

TEST(OsFiles, DeleteFileRemovesAFileAndReportsAMissingOne) {
    ScratchFolder folder;
    const std::string path = folder / "Level._3d";
    ASSERT_TRUE(WriteFile(path, "actors"));
    EXPECT_TRUE(os::FileExists(path));
    EXPECT_TRUE(os::DeleteFile(path));
    EXPECT_FALSE(os::FileExists(path));
    EXPECT_FALSE(os::DeleteFile(path));
    EXPECT_EQ(os::LastError(), std::strerror(ENOENT));
    EXPECT_FALSE(os::FileExists(folder.Path()));
}

TEST(OsFiles, ReplaceFileSwapsTheContentsAndLeavesNoTemporaryFile) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    ASSERT_TRUE(WriteFile(path, "old"));
    ASSERT_TRUE(os::ReplaceFile(path, "new"));
    std::string contents;
    ASSERT_TRUE(os::ReadWholeFile(path, contents));
    EXPECT_EQ(contents, "new");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"settings.ini"});

    EXPECT_FALSE(os::ReplaceFile(folder / "missing/settings.ini", "x"));
    // A folder in the way: the rename fails and the temporary file goes.
    ASSERT_TRUE(os::CreateDirectory(folder / "taken"));
    EXPECT_FALSE(os::ReplaceFile(folder / "taken", "x"));
    EXPECT_FALSE(os::LastError().empty());
    auto entries = folder.Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"settings.ini", "taken"}));
}

TEST(OsFiles, FailuresLeaveTheirReasonInLastError) {
    ScratchFolder folder;
    os::File missing = os::File::OpenRead(folder / "missing.cxa");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(os::LastError(), std::strerror(ENOENT));
    EXPECT_FALSE(os::LastError().empty());

    os::File intoFolder = os::File::CreateAlways(folder.Path());
    EXPECT_FALSE(intoFolder.IsOpen());
    EXPECT_EQ(os::LastError(), std::strerror(EISDIR));
}

void FunctionOfTheTestProgram() {}

TEST(OsFiles, ModulePathNamesTheModuleThatHoldsAnAddress) {
    const std::string host = os::ModulePath(reinterpret_cast<const void*>(&os::NativePath));
    const std::string suffix = "/libcorvatrix_host.so";
    ASSERT_GT(host.size(), suffix.size());
    EXPECT_EQ(host.substr(host.size() - suffix.size()), suffix);
    EXPECT_TRUE(os::FileExists(host));

    const std::string program = os::ModulePath(reinterpret_cast<const void*>(&FunctionOfTheTestProgram));
    EXPECT_EQ(program, std::filesystem::canonical("/proc/self/exe").string());
    EXPECT_EQ(os::ModulePath(nullptr), "");
}

}  // namespace
