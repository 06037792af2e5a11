// The program's command line: help, usage errors, the options listing and
// the loaded classes.

#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, HelpNamesEveryCommandAndOption) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("--help", folder.Path());
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word :
         {"export SCENE OUTPUT", "options", "classes", "--version", "--selected", "--package", "--use-mylevel",
          "--group", "--[no-]merged-import", "--[no-]update-only", "--[no-]bound-brush", "--[no-]alt-brushes",
          "--[no-]adjust-lights", "--[no-]build-on-import", "--[no-]collision", "--[no-]save-packages",
          "--[no-]snap", "--grid", "--settings", "--plugins", "--quiet", "130"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
    EXPECT_EQ(RunProgram("--version", folder.Path()).out.rfind("corvatrix ", 0), 0u);
}

TEST(CommandLine, UsageErrorsExitTwoAndSayWhatIsWrong) {
    ScratchFolder folder;
    struct Case {
        const char* args;
        const char* message;
    } cases[] = {
        {"", "no command"},
        {"frobnicate", "unknown command \"frobnicate\""},
        {"export scene.json", "needs a scene file and an output path"},
        {"export a.json b.t3d --grid 3", "--grid takes one of"},
        {"export a.json b.t3d --bogus", "unknown option \"--bogus\""},
        {"export a.json b.t3d --package Castle --use-mylevel", "contradict"},
        {"export a.json b.t3d --group", "--group needs a value"},
        {"export a.json ''", "the output path is empty"},
        {"options --selected", "unknown option \"--selected\""},
        {"classes extra", "unexpected argument \"extra\""},
    };
    for (const Case& c : cases) {
        ProgramRun run = RunProgram(c.args, folder.Path());
        EXPECT_EQ(run.exitCode, 2) << c.args;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
    }
}

TEST(CommandLine, OptionsListsTheFourteenExportValuesInStoredOrderThenTheEditorPaths) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("options --settings settings.ini", folder.Path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Package=myLevel\nGroup=3dsmax\nUseMyLevel=1\nMergedImport=0\nUpdateOnly=0\nAdjustLight=0\n"
              "BoundBrush=1\nBuildOnImport=0\nAltBrushes=1\nStaticMeshCollision=1\nSavePackages=0\n"
              "SnapBrushes=0\nSnapZones=0\nSnapToSize=2\nEditorPaths=wine\n");
    EXPECT_FALSE(os::FileExists(folder / "settings.ini"));
}

TEST(CommandLine, ClassesListsTheLoadedModulesAndTheirClasses) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("classes", folder.Path(), "CORVATRIX_SETTINGS=settings.ini");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("corvatrix.dle: corvatrix Export Plugin"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("(0x28DA703E, 0x1185C790)  T3d_export"), std::string::npos) << run.out;

    ProgramRun empty = RunProgram("classes --plugins .", folder.Path(), "CORVATRIX_SETTINGS=settings.ini");
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_NE(empty.out.find("No plug-in modules loaded."), std::string::npos);
}

}  // namespace
