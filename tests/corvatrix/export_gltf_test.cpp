// corvatrix export of glTF scenes end to end: the real program and modules.

#include "tests/common/WinePath.h"
#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string BlenderLevel() { return std::string(CORVATRIX_SOURCE_DIR) + "/tests/host/gltf/blender/level.glb"; }

// A glTF file of empty nodes (node i named names[i], with extras[i] as its
// "extras" when not empty) and one point light on the node named "Lamp".
std::string TaggedNodes(const std::vector<std::pair<std::string, std::string>>& nodes) {
    std::string list;
    std::string roots;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const auto& [name, extras] = nodes[i];
        list += std::string(i ? "," : "") + "{\"name\": \"" + name + "\"" +
                (name == "Lamp" ? ", \"extensions\": {\"KHR_lights_punctual\": {\"light\": 0}}" : "") +
                (extras.empty() ? "" : ", \"extras\": " + extras) + "}";
        roots += (i ? "," : "") + std::to_string(i);
    }
    return "{\"asset\": {\"version\": \"2.0\"}, \"scene\": 0, \"scenes\": [{\"nodes\": [" + roots +
           "]}], \"nodes\": [" + list +
           "], \"extensions\": {\"KHR_lights_punctual\": {\"lights\": [{\"type\": \"point\"}]}}}";
}

// The text of the map's actor named name, up to its end.
std::string ActorText(const std::string& map, const std::string& name) {
    const std::size_t start = map.find(" Name=" + name + "\r\n");
    if (start == std::string::npos) return "";
    return map.substr(start, map.find("End Actor", start) - start);
}

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

TEST(ExportGltf, BlenderLevelTaggedThroughCustomPropertiesHasEveryKindOfActor) {
    ScratchFolder folder;
    ProgramRun run = RunProgram("export '" + BlenderLevel() + "' Level.t3d --settings s.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string map = FileContents(folder / "Level.t3d");
    // Tagged as a string property (Room, Door, Start) and as a property group (Pillar, DoorPlate); the
    // static mesh and the lights, untagged, are checked above.
    EXPECT_NE(ActorText(map, "Room").find("CsgOper=CSG_Subtract"), std::string::npos) << map;
    EXPECT_NE(ActorText(map, "Pillar").find("CsgOper=CSG_Add"), std::string::npos);
    EXPECT_NE(map.find("Begin Actor Class=Mover Name=Door\r\n"), std::string::npos);
    EXPECT_NE(ActorText(map, "Door").find("StayOpenTime=2"), std::string::npos);
    EXPECT_NE(map.find("Begin Actor Class=PlayerStart Name=Start\r\n"), std::string::npos);
    const std::string plate = ActorText(map, "DoorPlate");
    EXPECT_NE(plate.find("Event=\"Door\""), std::string::npos) << plate;
    EXPECT_NE(plate.find("Message=\"The door opens\""), std::string::npos) << plate;
}

TEST(ExportGltf, ExtrasTagNodesAsObjectOrStringWithZeroOneBools) {
    ScratchFolder folder;
    std::ofstream(folder / "tagged.gltf") << TaggedNodes({
        {"Picked", R"({"corvatrix": {"selected": 1, "object": {"type": "Actor", "class": "PathNode"}}})"},
        {"Left", R"({"corvatrix": {"selected": 0, "object": {"type": "Actor", "class": "PathNode"}}})"},
        {"Typed", R"({"corvatrix": "{\"selected\": true, \"object\": {\"type\": \"Actor\", \"class\": \"PlayerStart\"}}", "other": 7})"},
        {"Lamp", R"({"corvatrix": {"selected": 1, "light": {"multiplier": 2, "on": 1}}})"},
    });
    ProgramRun run = RunProgram("export tagged.gltf Level.t3d --selected --settings s.ini", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string map = FileContents(folder / "Level.t3d");
    EXPECT_NE(map.find("Begin Actor Class=PathNode Name=Picked\r\n"), std::string::npos) << map;
    EXPECT_EQ(map.find("Name=Left\r\n"), std::string::npos);
    EXPECT_NE(map.find("Begin Actor Class=PlayerStart Name=Typed\r\n"), std::string::npos);
    EXPECT_NE(ActorText(map, "Lamp").find("LightBrightness=128.000000"), std::string::npos) << map;
}

TEST(ExportGltf, ExtrasFaultsNameTheNodeAndTheKeyPath) {
    struct Case {
        std::string extras;
        std::string message;  // after "corvatrix: bad.gltf: node 1 \"Start\": "
    };
    const Case cases[] = {
        {R"({"corvatrix": {"object": {"type": "Actor", "class": "Monster"}}})",
         "extras.corvatrix.object.class: no actor class \"Monster\""},
        {R"({"corvatrix": "{\"selected\": 1,}"})", "extras.corvatrix: the string at 1:16: "},
        {R"({"corvatrix": {"modifier": []}})", "extras.corvatrix: unknown key \"modifier\""},
        {R"({"corvatrix": "{\"groupMember\": 2}"})", "extras.corvatrix.groupMember: expected true, false, 0 or 1, got 2"},
        {R"({"corvatrix": {"object": {"type": "Actor", "class": "PathNode"}, "modifiers": [{"type": "Unreal Brush"}]}})",
         "extras.corvatrix.modifiers[0]: the modifier \"Unreal Brush\" does not work on the "},
        {R"({"corvatrix": {"object": {"type": "Trigger", "event": "Dor"}}})",
         "extras.corvatrix.object.event: no node named \"Dor\""},
        {R"({"corvatrix": {"light": {"multiplier": 2}}})",
         "extras.corvatrix.light: the node holds no glTF light for these keys"},
    };
    ScratchFolder folder;
    for (const Case& fault : cases) {
        std::ofstream(folder / "bad.gltf") << TaggedNodes({{"Door", ""}, {"Start", fault.extras}});
        ProgramRun run = RunProgram("export bad.gltf out/Level.t3d --settings s.ini", folder.Path());
        EXPECT_EQ(run.exitCode, 2) << fault.extras;
        const std::string expected = "corvatrix: bad.gltf: node 1 \"Start\": " + fault.message;
        EXPECT_EQ(run.err.rfind(expected, 0), 0u) << run.err << "expected: " << expected;
        EXPECT_FALSE(std::filesystem::exists(folder / "out"));
    }
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
