// corvatrix export of glTF scenes end to end: the real program and modules.

#include "tests/common/WinePath.h"
#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

std::string BlenderLevel() { return std::string(CORVATRIX_SOURCE_DIR) + "/tests/host/gltf/blender/level.glb"; }

TEST(ExportGltf, BlenderLevelExportsWithItsPackedTexture) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("export '" + BlenderLevel() + "' out/Level.t3d --settings s.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The PNG packed into the file is written beside the map, and imported
    // from there as the TGA the level editor can read.
    EXPECT_EQ(FileContents(folder / "out/textures/crate.png").substr(0, 4), "\x89PNG");
    const std::string script = FileContents(folder / "out/Level.exec");
    EXPECT_NE(script.find("TEXTURE IMPORT FILE=\"" + WinePath(folder / "out/textures/crate.tga") + "\" NAME=\"crate\""),
              std::string::npos)
        << script;
    const std::string map = FileContents(folder / "out/Level.t3d");
    for (const char* actor : {"Name=Room", "Name=Crate", "Name=Door", "Class=Light Name=Lamp", "Class=Light Name=Spot"}) {
        EXPECT_NE(map.find(actor), std::string::npos) << actor;
    }
    // Blender's metres-as-units come back as they were; --scale multiplies lengths.
    EXPECT_NE(map.find("Location=(X=0.000000,Y=0.000000,Z=224.000000)"), std::string::npos);
    ASSERT_EQ(RunProgram("export '" + BlenderLevel() + "' half/Level.t3d --scale 0.5 --settings s.ini", folder.Path())
                  .exitCode,
              0);
    EXPECT_NE(FileContents(folder / "half/Level.t3d").find("Location=(X=0.000000,Y=0.000000,Z=112.000000)"),
              std::string::npos);
}

TEST(ExportGltf, ExampleLevelExportsCleanly) {
    ScratchFolder folder;
    const std::string examples = std::string(CORVATRIX_SOURCE_DIR) + "/examples/";
    ProgramRun run = RunProgram("export '" + examples + "castle.gltf' Castle.t3d --settings s.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string script = FileContents(folder / "Castle.exec");
    // The scene's own PNG and the one packed into it, both converted beside the map.
    EXPECT_NE(script.find("TEXTURE IMPORT FILE=\"" + WinePath(folder / "textures/grass.tga") + "\""), std::string::npos)
        << script;
    EXPECT_NE(script.find("TEXTURE IMPORT FILE=\"" + WinePath(folder / "textures/crate.tga") + "\""), std::string::npos);
    // The two pillars share one mesh: one import.
    EXPECT_EQ(script.find("Pillar02.ase"), std::string::npos);
}

TEST(ExportGltf, RefusedFilesAndOptionsWriteNothing) {
    ScratchFolder folder;
    std::ofstream(folder / "broken.gltf") << "{\"asset\": {\"version\": \"2.0\"}, \"meshes\": [{]}";
    ProgramRun broken = RunProgram("export broken.gltf out/Level.t3d --settings s.ini", folder.Path());
    EXPECT_EQ(broken.exitCode, 2);
    EXPECT_EQ(broken.err.rfind("corvatrix: broken.gltf: ", 0), 0u) << broken.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));

    // A good file with an animation it does not have: still nothing, not even its images.
    ProgramRun unknown = RunProgram("export '" + BlenderLevel() + "' out/Level.t3d --animation Open --settings s.ini",
                                    folder.Path());
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.err.find("no animation named \"Open\""), std::string::npos) << unknown.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));

    std::ofstream(folder / "scene.json") << "{\"nodes\": []}";
    ProgramRun json = RunProgram("export scene.json out/Level.t3d --scale 2 --settings s.ini", folder.Path());
    EXPECT_EQ(json.exitCode, 2);
    EXPECT_NE(json.err.find("scene.json: --scale and --animation apply to glTF scenes only"), std::string::npos);
    EXPECT_EQ(RunProgram("export '" + BlenderLevel() + "' out/Level.t3d --scale 0 --settings s.ini", folder.Path())
                  .exitCode,
              2);
    EXPECT_FALSE(std::filesystem::exists(folder / "out"));
}

}  // namespace
