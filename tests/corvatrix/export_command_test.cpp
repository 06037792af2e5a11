// corvatrix export end to end: the real program loading the real modules.

#include "tests/common/WinePath.h"
#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

std::string ExampleScene() { return std::string(CORVATRIX_SOURCE_DIR) + "/examples/castle.json"; }

TEST(ExportCommand, ExportsTheExampleIntoANewFolderAndPrintsTheSummaryAndTheExecCommand) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("export '" + ExampleScene() + "' out/Castle.t3d --settings settings.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string summary =
        "Package: myLevel\nBrushes: 2 (1 add, 1 subtract, 0 other)\nStatic meshes: 9 (ASE files written: 9)\n"
        "Lights: 2\nMovers: 1\nTriggers: 3\nActors: 4\nSkipped nodes: 2 (1 dummy, 1 directional light)\n"
        "Warnings: 2\n";
    EXPECT_EQ(run.out.rfind(summary, 0), 0u) << run.out;
    // The line after the summary says whether a clipboard took the command.
    const std::string afterSummary = run.out.substr(summary.size());
    EXPECT_EQ(afterSummary.substr(afterSummary.find('\n') + 1),
              "EXEC \"" + WinePath(folder.Path() + "/out/Castle.exec") + "\"\n");
    // The sign has no material; the doorway is a box, its faces pointing out.
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
    EXPECT_TRUE(os::FileExists(folder / "out/Castle.t3d"));
    EXPECT_TRUE(os::FileExists(folder / "out/Castle.exec"));
    EXPECT_FALSE(os::FileExists(folder / "out/Castle._3d"));
    std::string map = FileContents(folder / "out/Castle.t3d");
    EXPECT_EQ(map.rfind("Begin Map\r\n", 0), 0u);
    EXPECT_NE(map.find("Name=cxBoundBrush"), std::string::npos);
    const std::string script = FileContents(folder / "out/Castle.exec");
    EXPECT_NE(script.find("MAP IMPORT FILE=\"" + WinePath(folder.Path() + "/out/Castle.t3d") + "\""),
              std::string::npos);
    EXPECT_NE(script.find("FILE=\"" + WinePath(folder.Path() + "/out/textures/grass.tga") + "\" NAME=\"grass\""),
              std::string::npos);
    for (std::size_t at = 0; (at = script.find("FILE=\"", at)) != std::string::npos; ++at) {
        EXPECT_EQ(script.compare(at + 6, 3, "Z:\\"), 0) << script.substr(at, 60);
    }

    ProgramRun quiet = RunProgram("export '" + ExampleScene() + "' out/Castle.t3d --quiet --settings settings.ini",
                                  folder.Path());
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out, "");
}

TEST(ExportCommand, FlagsActAsEditsInTheOptionsDialogAndAreStored) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("export '" + ExampleScene() +
                                    "' Level.t3d --settings s.ini --package Castle --group Keep --no-bound-brush"
                                    " --grid 16 --build-on-import --save-packages",
                                folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string options = RunProgram("options --settings s.ini", folder.Path()).out;
    for (const char* line : {"Package=Castle\n", "Group=Keep\n", "UseMyLevel=0\n", "BoundBrush=0\n",
                             "BuildOnImport=1\n", "SavePackages=1\n", "SnapToSize=4\n"}) {
        EXPECT_NE(options.find(line), std::string::npos) << line << options;
    }
    std::string script = FileContents(folder / "Level.exec");
    EXPECT_NE(script.find("MAP REBUILD\r\nBSP REBUILD\r\nLIGHT APPLY\r\n"), std::string::npos);
    EXPECT_NE(script.find("OBJ SAVEPACKAGE PACKAGE=\"Castle_S\""), std::string::npos);
    EXPECT_EQ(FileContents(folder / "Level.t3d").find("cxBoundBrush"), std::string::npos);

    // Back to myLevel: the stored Package shows again but myLevel is used.
    ASSERT_EQ(RunProgram("export '" + ExampleScene() + "' Level.t3d --settings s.ini --use-mylevel", folder.Path())
                  .exitCode,
              0);
    EXPECT_NE(RunProgram("options --settings s.ini", folder.Path()).out.find("Package=myLevel\nGroup=Keep\nUseMyLevel=1\n"),
              std::string::npos);
}

TEST(ExportCommand, BadSceneWritesNothingAndUnwritableOutputFails) {
    ScratchFolder folder;
    std::ofstream(folder / "bad.json") << "{\"nodes\": [{\"name\": \"Box01\", \"colour\": 1}]}";
    ProgramRun bad = RunProgram("export bad.json out/Level.t3d --settings s.ini", folder.Path());
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("bad.json: nodes[0]: unknown key \"colour\""), std::string::npos) << bad.err;
    EXPECT_FALSE(os::FileExists(folder / "out/Level.t3d"));
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));

    ProgramRun missing = RunProgram("export nothing.json Level.t3d --settings s.ini", folder.Path());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("nothing.json"), std::string::npos);

    // A regular file where the output folder should be.
    std::ofstream(folder / "blocker") << "x";
    ProgramRun blocked = RunProgram("export '" + ExampleScene() + "' blocker/Level.t3d --settings s.ini", folder.Path());
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_NE(blocked.err.find("cannot create the output files"), std::string::npos) << blocked.err;
}

TEST(ExportCommand, MissingExportPlugInIsReportedCleanly) {
    ScratchFolder folder;
    std::ofstream(folder / "plain.json") << "{\"nodes\": [{\"name\": \"Box01\", \"object\": {\"type\": \"box\"}}]}";
    ProgramRun run = RunProgram("export plain.json Level.t3d --plugins . --settings s.ini", folder.Path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no export plug-in for T3D files is loaded"), std::string::npos) << run.err;
    EXPECT_FALSE(os::FileExists(folder / "Level.t3d"));
}

}  // namespace
