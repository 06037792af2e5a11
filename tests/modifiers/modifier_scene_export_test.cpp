// A scene file whose nodes carry the three modifiers, read and exported by
// the real program with the real modules: the common property lines land
// in the actor blocks.

#include "tests/corvatrix/RunProgram.h"
#include "tests/modifiers/ModifierLines.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// The block of the actor named name, from its Begin line to its End line.
std::string ActorBlock(const std::string& map, const std::string& actorClass, const std::string& name) {
    const std::size_t begin = map.find("Begin Actor Class=" + actorClass + " Name=" + name + "\r\n");
    if (begin == std::string::npos) return {};
    return map.substr(begin, map.find("End Actor", begin) - begin);
}

// The lines one level deeper than the map block's own, as inside an actor.
std::string ActorLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\t\t" + line + "\r\n";
    return text;
}

TEST(ModifierSceneExport, CommonPropertyLinesGoIntoTheTaggedActors) {
    ScratchFolder folder;
    std::ofstream(folder / "scene.json") << R"({
      "nodes": [
        {"name": "Crate", "object": {"type": "box"},
         "modifiers": [{"type": "Unreal Properties",
                        "properties": {"bHidden": true, "MaxLights": 255, "Style": "STY_Masked", "LifeSpan": 2.5}}]},
        {"name": "Lamp", "object": {"type": "omni"},
         "modifiers": [{"type": "Unreal Properties"}]},
        {"name": "Plain", "object": {"type": "box"}},
        {"name": "Wall", "object": {"type": "box"},
         "modifiers": [{"type": "Unreal Brush", "brushType": "Semi-Solid", "polyFlags": ["Portal"]}]},
        {"name": "Door", "object": {"type": "box"},
         "modifiers": [{"type": "Unreal Mover", "isLeader": true, "properties": {"InitialState": "TriggerToggle"}}]}
      ]})";
    const ProgramRun run = RunProgram("export scene.json out/Level.t3d --settings s.ini --quiet", folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string map = FileContents(folder / "out/Level.t3d");

    std::vector<std::string> crateLines = WithLine(DefaultCommonLines(), "bHidden", "True");
    crateLines = WithLine(crateLines, "MaxLights", "255");
    crateLines = WithLine(crateLines, "Style", "STY_Masked");
    crateLines = WithLine(crateLines, "LifeSpan", "2.500000");
    const std::string crate = ActorBlock(map, "StaticMeshActor", "Crate");
    ASSERT_FALSE(crate.empty()) << map;
    EXPECT_NE(crate.find(ActorLines(crateLines)), std::string::npos) << crate;

    const std::string lamp = ActorBlock(map, "Light", "Lamp");
    ASSERT_FALSE(lamp.empty()) << map;
    EXPECT_NE(lamp.find(ActorLines(DefaultCommonLines())), std::string::npos) << lamp;

    const std::string plain = ActorBlock(map, "StaticMeshActor", "Plain");
    ASSERT_FALSE(plain.empty()) << map;
    EXPECT_EQ(plain.find("bEdShouldSnap"), std::string::npos) << plain;
}

}  // namespace
