// Names that the level editor or the file system cannot take as they stand:
// too long, equal once cleaned, or a package named with blanks and dots.
// Each node must still reach the map under a name of its own.

#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Every quoted value of key=" in text.
std::vector<std::string> QuotedValues(const std::string& text, const std::string& key) {
    std::vector<std::string> values;
    const std::string start = key + "=\"";
    for (std::size_t at = 0; (at = text.find(start, at)) != std::string::npos;) {
        at += start.size();
        values.push_back(text.substr(at, text.find('"', at) - at));
    }
    return values;
}

TEST(ExportNames, LongNamesAreShortenedAndAFileThatCannotBeWrittenFailsTheExport) {
    ScratchFolder folder;
    const std::string longName(100, 'A');
    std::ofstream(folder / "long.json")
        << R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": ")" << std::string(80, 'T')
        << R"(.tga"}}], "nodes": [{"name": ")" << longName << R"(", "material": "M", "object": {"type": "box"}},
                                {"name": ")" << longName << R"(B", "material": "M", "object": {"type": "box"}}]})";
    ProgramRun run = RunProgram("export long.json out/L.t3d --settings s.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("node \"" + longName + "\" has a name longer"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("node \"" + longName + "B\" has a name longer"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(std::string(80, 'T') + ".tga\" has a name longer"), std::string::npos) << run.err;
    const std::string map = FileContents(folder / "out/L.t3d");
    const std::string script = FileContents(folder / "out/L.exec");
    std::vector<std::string> actors = QuotedValues(map, "Name");
    actors.erase(std::remove_if(actors.begin(), actors.end(), [](const std::string& name) { return name[0] != 'A'; }),
                 actors.end());
    ASSERT_EQ(actors.size(), 2u) << map;
    EXPECT_NE(actors[0], actors[1]);
    for (const std::string& name : QuotedValues(script, "NAME")) {
        EXPECT_LE(name.size(), 63u) << name;
        if (name[0] == 'A') {
            EXPECT_TRUE(fs::exists(folder / ("out/ase_myLevel/" + name + ".ase"))) << name;
        }
    }
    EXPECT_EQ(folder.Entries("out/ase_myLevel").size(), 2u);

    // A folder in the way of the EXEC script, then a file in the way of the
    // mesh folder: exit 1 naming the file and the reason, no map.
    fs::create_directories(folder / "block/Level.exec");
    ProgramRun blocked = RunProgram("export long.json block/Level.t3d --settings s.ini", folder.Path());
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_NE(blocked.err.find("block/Level.exec: Is a directory"), std::string::npos) << blocked.err;
    fs::create_directory(folder / "mesh");
    std::ofstream(folder / "mesh/ase_myLevel") << "";
    ProgramRun noMesh = RunProgram("export long.json mesh/Level.t3d --settings s.ini", folder.Path());
    EXPECT_EQ(noMesh.exitCode, 1);
    EXPECT_NE(noMesh.err.find("mesh/ase_myLevel/" + actors[0] + ".ase: Not a directory"), std::string::npos)
        << noMesh.err;
    EXPECT_EQ(folder.Entries("mesh"), std::vector<std::string>{"ase_myLevel"});
}

TEST(ExportNames, StaticMeshesOfEqualCleanedNamesKeepTheirOwnMesh) {
    ScratchFolder folder;
    std::ofstream(folder / "same.json") << R"({"objects": [{"name": "Column", "type": "box"}], "nodes": [
        {"name": "Wall", "object": {"type": "box"}}, {"name": "Wall", "object": {"type": "box", "height": 20}},
        {"name": "Crate 1", "object": {"type": "box"}}, {"name": "Crate.1", "object": {"type": "box"}},
        {"name": "P1", "object": "Column"}, {"name": "P2", "object": "Column"}]})";
    ProgramRun run = RunProgram("export same.json L.t3d --settings s.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folder.Entries("ase_myLevel"),
              (std::vector<std::string>{"Crate_1.ase", "Crate_1_2.ase", "P1.ase", "Wall.ase", "Wall_2.ase"}));
    const std::string script = FileContents(folder / "L.exec");
    EXPECT_EQ(QuotedValues(script, "NAME"), (std::vector<std::string>{"Wall", "Wall_2", "Crate_1", "Crate_1_2", "P1"}));
    EXPECT_NE(script.find("ase_myLevel\\Wall_2.ase\" NAME=\"Wall_2\""), std::string::npos) << script;
    const std::string map = FileContents(folder / "L.t3d");
    for (const char* mesh : {"Wall", "Wall_2", "Crate_1", "Crate_1_2"})
        EXPECT_NE(map.find("StaticMesh=StaticMesh'myLevel.3dsmax." + std::string(mesh) + "'\r\n"), std::string::npos)
            << mesh;
    // The instance shows the mesh of the node it shares its object with.
    const std::size_t p2 = map.find("Tag=\"P2\"");
    ASSERT_NE(p2, std::string::npos);
    EXPECT_EQ(map.rfind("StaticMesh=", p2), map.rfind("StaticMesh=StaticMesh'myLevel.3dsmax.P1'", p2));
    EXPECT_NE(run.err.find("nodes \"Crate 1\" and \"Crate.1\" are both named Crate_1"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("the static mesh of \"Crate.1\" is imported as Crate_1_2"), std::string::npos) << run.err;
}

TEST(ExportNames, SavedPackagesAreTheCleanedPackagesTheMeshesWentInto) {
    ScratchFolder folder;
    std::ofstream(folder / "one.json") << R"({"nodes": [{"name": "Wall", "object": {"type": "box"}}]})";
    ProgramRun run =
        RunProgram("export one.json L.t3d --settings s.ini --package 'My Pkg.1' --save-packages", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string script = FileContents(folder / "L.exec");
    EXPECT_NE(script.find("PACKAGE=\"My_Pkg_1_S\" GROUP="), std::string::npos) << script;
    EXPECT_NE(script.find("OBJ SAVEPACKAGE PACKAGE=\"My_Pkg_1_S\" FILE=\"..\\StaticMeshes\\My_Pkg_1_S.usx\"\r\n"),
              std::string::npos)
        << script;
    EXPECT_NE(script.find("OBJ LOAD FILE=\"..\\Textures\\My_Pkg_1_T.utx\"\r\n"), std::string::npos) << script;
    EXPECT_EQ(script.find("My Pkg"), std::string::npos) << script;
}

}  // namespace
