#include "common/T3dWriter.h"

#include "ScratchFolder.h"
#include "host/os/Files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(T3dWriterOpen, WindowsStylePath) {
    ScratchFolder folder;
    CurrentFolderChange change(folder.Path());
    ASSERT_TRUE(os::CreateDirectory("C:"));
    ASSERT_TRUE(os::CreateDirectory("C:/maps"));

    T3dWriter writer;
    ASSERT_TRUE(writer.Open("C:\\maps\\Level.t3d"));
    EXPECT_EQ(writer.Directory(), "C:\\maps\\");
    EXPECT_EQ(writer.BaseName(), "Level");
    writer.Close();
    EXPECT_TRUE(os::FileExists("C:/maps/Level._3d"));
    EXPECT_TRUE(os::FileExists("C:/maps/Level.exec"));
    EXPECT_EQ(folder.Entries(), Names{"C:"});
}

TEST(T3dWriterOpen, NativeAndMixedPaths) {
    ScratchFolder folder;
    ASSERT_TRUE(os::CreateDirectory(folder / "maps"));
    T3dWriter writer;

    ASSERT_TRUE(writer.Open(folder / "Level.v2.t3d"));
    EXPECT_EQ(writer.Directory(), folder.Path() + "/");
    EXPECT_EQ(writer.BaseName(), "Level.v2") << "only the last extension goes";

    // The last separator of either kind splits the path.
    ASSERT_TRUE(writer.Open(folder.Path() + "/maps\\Mixed.t3d"));
    EXPECT_EQ(writer.Directory(), folder.Path() + "/maps\\");
    EXPECT_EQ(writer.BaseName(), "Mixed");
    writer.Close();
    EXPECT_EQ(folder.Entries(), (Names{"Level.v2._3d", "Level.v2.exec", "maps"}));
    EXPECT_TRUE(os::FileExists(folder / "maps/Mixed._3d"));
    EXPECT_TRUE(os::FileExists(folder / "maps/Mixed.exec"));
}

TEST(T3dWriterOpen, NameWithoutExtension) {
    ScratchFolder folder;
    T3dWriter writer;
    ASSERT_TRUE(writer.Open(folder / "Level"));
    EXPECT_EQ(writer.BaseName(), "Level");
    writer.Close();
    EXPECT_EQ(folder.Entries(), (Names{"Level._3d", "Level.exec"}));
}

TEST(T3dWriterOpen, ReplacesExistingFiles) {
    ScratchFolder folder;
    ASSERT_TRUE(os::ReplaceFile(folder / "Level._3d", "stale actors"));
    ASSERT_TRUE(os::ReplaceFile(folder / "Level.exec", "stale script"));
    T3dWriter writer;
    ASSERT_TRUE(writer.Open(folder / "Level.t3d"));
    writer.Close();
    EXPECT_EQ(FileContents(folder / "Level._3d"), "");
    EXPECT_EQ(FileContents(folder / "Level.exec"), "");
}

TEST(T3dWriterOpen, FailuresCreateNothing) {
    ScratchFolder folder;
    CurrentFolderChange change(folder.Path());
    T3dWriter writer;

    EXPECT_FALSE(writer.Open("Level.t3d")) << "a path without a separator";
    EXPECT_FALSE(writer.Open(folder / "missing/Level.t3d")) << "a folder that does not exist";
    EXPECT_TRUE(folder.Entries().empty());

    // The script cannot take its name where a folder has it: the export
    // fails at its end, and none of its files is left.
    ASSERT_TRUE(os::CreateDirectory(folder / "Level.exec"));
    ASSERT_TRUE(writer.Open(folder / "Level.t3d"));
    writer.WriteString("Name", "nowhere", false);
    writer.WriteExecLine("nowhere");
    EXPECT_FALSE(writer.FinishMap(Point3(0, 0, 0), Point3(1, 1, 1), true));
    EXPECT_EQ(folder.Entries(), Names{"Level.exec"});
}

}  // namespace
