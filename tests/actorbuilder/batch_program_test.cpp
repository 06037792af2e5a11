// The actorbuilder program run as a script or build would run it.

#include "objects/cxa/ActorDefReader.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace {

const std::string kFixtures = std::string(CORVATRIX_SOURCE_DIR) + "/tests/actorbuilder/fixtures/";

struct ProgramRun {
    int exitCode = -1;
    std::string output;  // standard output and error together
};

// Runs the program in folder; args is shell text, without a display.
ProgramRun ActorBuilder(const std::string& folder, const std::string& args) {
    const std::string command = "cd '" + folder + "' && env -u DISPLAY '" + std::string(CORVATRIX_BIN_DIR) +
                                "/actorbuilder' " + args + " 2>&1 </dev/null";
    ProgramRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(BatchProgram, WritesADefinitionTheActorHelperLoads) {
    ScratchFolder folder;
    const ProgramRun written = ActorBuilder(folder.Path(),
                                     "--class PlayerStart --property 'bEnabled:BOOLEAN:bEnabled:1' "
                                     "--property 'Team:ENUM:TeamIndex:1:Red,Blue' --geometry '" +
                                         kFixtures + "two_objects.ase' --renderable -o PlayerStart.cxa");
    ASSERT_EQ(written.exitCode, 0) << written.output;

    ActorDef def;
    ASSERT_TRUE(cxa::ReadActorDefFromFile(folder / "PlayerStart.cxa", "playerstart", def));
    ASSERT_EQ(def.Count(), 2);
    EXPECT_EQ(def.properties[0].t3dName.View(), "bEnabled");
    EXPECT_EQ(def.values[0].AsInt(), 1);
    EXPECT_EQ(def.properties[1].type, cxa::kEnum);
    EXPECT_EQ(def.properties[1].enumValues.View(), "Red,Blue");
    EXPECT_EQ(def.values[1].AsInt(), 1);
    ASSERT_TRUE(def.mesh);
    EXPECT_EQ(def.mesh->vertices.size(), 8u);
    EXPECT_EQ(def.mesh->faces.size(), 12u);
    EXPECT_EQ(def.renderable, 1);
    EXPECT_EQ(def.wireframe, 0);

    // --show prints the properties in the syntax --property takes.
    const ProgramRun shown = ActorBuilder(folder.Path(), "--show PlayerStart.cxa");
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.output,
              "class PlayerStart\n"
              "property bEnabled:BOOLEAN:bEnabled:1\n"
              "property Team:ENUM:TeamIndex:1:Red,Blue\n"
              "geometry 8 vertices, 12 faces, renderable 1, wireframe 0\n");
}

TEST(BatchProgram, FailuresExitNonZeroAndLeaveNoNewFile) {
    ScratchFolder folder;
    ASSERT_TRUE(os::ReplaceFile(folder / "flat.ase", "*MESH_NUMVERTEX 3\n*MESH_VERTEX_LIST {\n}\n"));

    const ProgramRun badAse = ActorBuilder(folder.Path(), "--class Rock --geometry flat.ase -o Rock.cxa");
    EXPECT_EQ(badAse.exitCode, 1);
    EXPECT_EQ(badAse.output.rfind("actorbuilder: flat.ase line 4: the MESH_VERTEX_LIST ends 3 vertices short", 0), 0u)
        << badAse.output;

    const std::string longT3dName(64, 't');
    const ProgramRun tooLong =
        ActorBuilder(folder.Path(), "--class Rock --property 'Name:BYTE:" + longT3dName + ":1' -o Rock.cxa");
    EXPECT_EQ(tooLong.exitCode, 2);
    EXPECT_NE(tooLong.output.find("the T3D name is 64 characters long; the readers keep 63"), std::string::npos)
        << tooLong.output;

    // Class and T3D names go into the map unquoted: no blank, quote, '=' or
    // control character.
    for (const char* args : {"--class 'Two Words'", "--class 'Quo\"te'", "--class Rock --property 'n:INTEGER:a=b:0'",
                             "--class Rock --property \"n:FLOAT:$(printf 'a\\tb'):-2\""}) {
        const ProgramRun badName = ActorBuilder(folder.Path(), std::string(args) + " -o Rock.cxa");
        EXPECT_EQ(badName.exitCode, 2) << args;
        EXPECT_NE(badName.output.find("cannot hold a blank, '\"', '=' or a control character"), std::string::npos)
            << badName.output;
    }

    const ProgramRun notCxa = ActorBuilder(folder.Path(), "--show flat.ase");
    EXPECT_EQ(notCxa.exitCode, 1);
    EXPECT_NE(notCxa.output.find("flat.ase: not a CXA file"), std::string::npos) << notCxa.output;

    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"flat.ase"});

    // A failed save keeps the file that was there.
    ASSERT_TRUE(os::ReplaceFile(folder / "Rock.cxa", "earlier"));
    EXPECT_EQ(ActorBuilder(folder.Path(), "--class Rock --geometry flat.ase -o Rock.cxa").exitCode, 1);
    EXPECT_EQ(ActorBuilder(folder.Path(), "--class Rock -o Rock.cxa/inside").exitCode, 1);
    EXPECT_EQ(FileContents(folder / "Rock.cxa"), "earlier");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Rock.cxa", "flat.ase"}));

    // Without a display, or in a build without the window, it says why there is no window.
    const ProgramRun noDisplay = ActorBuilder(folder.Path(), "");
    EXPECT_EQ(noDisplay.exitCode, 2);
    const char* why = CORVATRIX_GUI ? "DISPLAY is not set" : "this build has no window";
    EXPECT_NE(noDisplay.output.find(why), std::string::npos) << noDisplay.output;
}

}  // namespace
