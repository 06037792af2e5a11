#include "exporter/ExecScript.h"

#include "common/T3dWriter.h"
#include "common/ExportOptions.h"
#include "host/os/Files.h"
#include "host/scene/Interface.h"
#include "tests/common/ScratchFolder.h"
#include "tests/common/WinePath.h"
#include "tests/exporter/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char* const kWalkLine = "TEXTURE IMPORT FILE=\"C:\\art\\Bricks.bmp\" NAME=\"Bricks\"";

class ExecScriptTest : public SettingsFileTest {
protected:
    // The script's lines after the walk's own line, for these options.
    Lines ClosingLines(const ExportOptions& options) {
        T3dWriter writer;
        EXPECT_TRUE(writer.Open(folder / "Level.t3d"));
        writer.WriteExecLine(kWalkLine);
        WriteClosingCommands(writer, options, *GetCoreInterface());
        writer.Close();
        Lines lines;
        const std::string text = FileContents(folder / "Level.exec");
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(start, text.size()) << "text after the last CR LF";
        EXPECT_FALSE(lines.empty());
        if (lines.empty()) return lines;
        EXPECT_EQ(lines.front(), kWalkLine) << "the walk's lines come first";
        return Lines(lines.begin() + 1, lines.end());
    }

    // As written on disk, on Wine's Z: drive.
    std::string MapFile() const { return WinePath(folder.Path() + "/Level.t3d"); }

    ScratchFolder folder;
};

TEST_F(ExecScriptTest, TheMapImportFollowsUpdateOnlyAndMergedImport) {
    ExportOptions options;
    ASSERT_EQ(options.Package, "myLevel") << "a fresh settings file gives the defaults";
    EXPECT_EQ(ClosingLines(options), Lines{"MAP IMPORT FILE=\"" + MapFile() + "\""});

    options.MergedImport = 1;
    EXPECT_EQ(ClosingLines(options), Lines{"MAP IMPORTADD FILE=\"" + MapFile() + "\""});

    options.UpdateOnly = 1;
    EXPECT_EQ(ClosingLines(options), Lines{});
    options.MergedImport = 0;
    EXPECT_EQ(ClosingLines(options), Lines{});
}

TEST_F(ExecScriptTest, BuildOnImportRebuildsAfterTheImport) {
    ExportOptions options;
    options.BuildOnImport = 1;
    EXPECT_EQ(ClosingLines(options),
              (Lines{"MAP IMPORT FILE=\"" + MapFile() + "\"", "MAP REBUILD", "BSP REBUILD", "LIGHT APPLY"}));
    options.UpdateOnly = 1;
    EXPECT_EQ(ClosingLines(options), (Lines{"MAP REBUILD", "BSP REBUILD", "LIGHT APPLY"}));
}

TEST_F(ExecScriptTest, SavePackagesSavesAndReloadsEveryPackageButTheLevelsOwn) {
    ExportOptions options;
    options.UpdateOnly = 1;
    EXPECT_EQ(ClosingLines(options), Lines{}) << "SavePackages off";
    options.SavePackages = 1;
    for (const char* levelPackage : {"myLevel", "MyLevel", "MYLEVEL"}) {
        options.Package = levelPackage;
        EXPECT_EQ(ClosingLines(options), Lines{}) << levelPackage;
    }

    options.Package = "Castle";
    const Lines castle = {
        "OBJ SAVEPACKAGE PACKAGE=\"Castle_S\" FILE=\"..\\StaticMeshes\\Castle_S.usx\"",
        "OBJ SAVEPACKAGE PACKAGE=\"Castle_T\" FILE=\"..\\Textures\\Castle_T.utx\"",
        "OBJ LOAD FILE=\"..\\StaticMeshes\\Castle_S.usx\"",
        "OBJ LOAD FILE=\"..\\Textures\\Castle_T.utx\"",
    };
    EXPECT_EQ(ClosingLines(options), castle);

    options.Package = "myLevels";
    EXPECT_EQ(ClosingLines(options).size(), 4u) << "only the level's own package is left out";

    // Everything on: the map, then the rebuild, then the packages.
    options.Package = "Castle";
    options.UpdateOnly = 0;
    options.MergedImport = 1;
    options.BuildOnImport = 1;
    Lines all = {"MAP IMPORTADD FILE=\"" + MapFile() + "\"", "MAP REBUILD", "BSP REBUILD", "LIGHT APPLY"};
    all.insert(all.end(), castle.begin(), castle.end());
    EXPECT_EQ(ClosingLines(options), all);
}

TEST(ExecCommand, NamesTheScriptBesideTheMapInQuotes) {
    ScratchFolder folder;
    T3dWriter writer;

    {
        CurrentFolderChange change(folder.Path());
        ASSERT_TRUE(os::CreateDirectory("C:"));
        ASSERT_TRUE(os::CreateDirectory("C:/maps"));
        ASSERT_TRUE(writer.Open("C:\\maps\\Level.t3d"));
        EXPECT_EQ(ExecCommand(writer, *GetCoreInterface()), "EXEC \"C:\\maps\\Level.exec\"");
        writer.Close();
    }

    ASSERT_TRUE(writer.Open(folder / "Level.v2.t3d"));
    EXPECT_EQ(ExecCommand(writer, *GetCoreInterface()), "EXEC \"" + WinePath(folder.Path() + "/Level.v2.exec") + "\"");
    writer.Close();

    ASSERT_TRUE(os::CreateDirectory(folder / "my maps"));
    ASSERT_TRUE(writer.Open(folder / "my maps/Big Level.t3d"));
    EXPECT_EQ(ExecCommand(writer, *GetCoreInterface()),
              "EXEC \"" + WinePath(folder.Path() + "/my maps/Big Level.exec") + "\"");
    writer.Close();
    EXPECT_TRUE(os::FileExists(folder / "my maps/Big Level.exec")) << "the command names the script written";
}

}  // namespace
