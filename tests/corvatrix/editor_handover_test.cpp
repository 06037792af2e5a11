// corvatrix export as UnrealEd under Wine needs it: paths it can open, images
// it can import, warnings about its traps, the mended records, the summary.

#include "tests/common/WinePath.h"
#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <stb/stb_image_write.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

std::string Source(const std::string& path) { return std::string(CORVATRIX_SOURCE_DIR) + "/" + path; }

void WriteText(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A scene of one node per entry of nodes (JSON objects), materials as given.
std::string Scene(const std::string& nodes, const std::string& materials = "") {
    return "{\"materials\": [" + materials + "], \"nodes\": [" + nodes + "]}";
}

std::string Box(const std::string& name, const std::string& extra = "") {
    return "{\"name\": \"" + name + "\"" + extra +
           ", \"object\": {\"type\": \"box\", \"length\": 64, \"width\": 64, \"height\": 64}}";
}

std::string Brush(const std::string& name, const std::string& operation) {
    return Box(name, ", \"modifiers\": [{\"type\": \"Unreal Brush\", \"csgOperation\": \"" + operation + "\"}]");
}

class EditorHandOver : public ::testing::Test {
protected:
    ProgramRun Export(const std::string& scene, const std::string& flags = "") {
        WriteText(folder / "scene/level.json", scene);
        return RunProgram("export scene/level.json out/Level.t3d --settings s.ini " + flags, folder.Path());
    }
    std::string Script() { return FileContents(folder / "out/Level.exec"); }
    std::string Map() { return FileContents(folder / "out/Level.t3d"); }

    ScratchFolder folder;
};

TEST_F(EditorHandOver, ScriptAndCommandNameAbsolutePathsInTheChosenStyle) {
    std::filesystem::create_directories(folder / "scene/tex");
    std::filesystem::copy_file(Source("examples/textures/bricks.bmp"), folder / "scene/tex/wall.bmp");
    const std::string scene =
        Scene(Box("Crate", ", \"material\": \"Wall\"") + "," + Box("Rock", ", \"material\": \"Rock\""),
              R"({"name": "Wall", "type": "standard", "diffuse": {"bitmap": "tex/wall.bmp"}},
                 {"name": "Rock", "type": "standard", "diffuse": {"bitmap": "C:\\art\\rock.bmp"}})");
    const std::string root = folder.Path();

    ProgramRun wine = Export(scene);
    ASSERT_EQ(wine.exitCode, 0) << wine.err;
    std::string script = Script();
    EXPECT_TRUE(Has(script, "FILE=\"" + WinePath(root + "/scene/tex/wall.bmp") + "\" NAME=\"wall\"")) << script;
    EXPECT_TRUE(Has(script, "FILE=\"C:\\art\\rock.bmp\" NAME=\"rock\"")) << script;
    EXPECT_TRUE(Has(script, "FILE=\"" + WinePath(root + "/out/ase_myLevel/Crate.ase") + "\"")) << script;
    EXPECT_TRUE(Has(script, "MAP IMPORT FILE=\"" + WinePath(root + "/out/Level.t3d") + "\"")) << script;
    EXPECT_TRUE(Has(wine.out, "EXEC \"" + WinePath(root + "/out/Level.exec") + "\"\n")) << wine.out;

    // The style is stored; drives are for one export, the longest folder
    // wins, and a folder holds only what lies below it (not "out" in "ou").
    ASSERT_EQ(Export(scene, "--editor-paths unix").exitCode, 0);
    script = Script();
    EXPECT_TRUE(Has(script, "FILE=\"" + root + "/scene/tex/wall.bmp\"")) << script;
    EXPECT_TRUE(Has(script, "FILE=\"" + root + "/out/ase_myLevel/Crate.ase\"")) << script;
    EXPECT_TRUE(Has(RunProgram("options --settings s.ini", root).out, "EditorPaths=unix\n"));
    ProgramRun drives =
        Export(scene, "--drive 'e:=" + root + "' --drive 'D:=" + root + "/out/' --drive 'F:=" + root + "/ou'");
    ASSERT_EQ(drives.exitCode, 0) << drives.err;
    script = Script();
    EXPECT_TRUE(Has(script, "FILE=\"E:\\scene\\tex\\wall.bmp\"")) << script;
    EXPECT_TRUE(Has(script, "FILE=\"D:\\ase_myLevel\\Crate.ase\"")) << script;
    EXPECT_TRUE(Has(drives.out, "EXEC \"D:\\Level.exec\"\n")) << drives.out;

    EXPECT_EQ(Export(scene, "--drive D:relative").exitCode, 2);
    EXPECT_EQ(Export(scene, "--editor-paths dos").exitCode, 2);
}

// The TGA header: type, size and bits per pixel.
struct TgaHeader {
    int type = -1;
    int width = 0;
    int height = 0;
    int bits = 0;
};

TgaHeader ReadTgaHeader(const std::string& path) {
    const std::string bytes = FileContents(path);
    TgaHeader header;
    if (bytes.size() < 18) return header;
    auto byte = [&bytes](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    return {byte(2), byte(12) | byte(13) << 8, byte(14) | byte(15) << 8, byte(16)};
}

TEST_F(EditorHandOver, PngAndJpegBecomeTgaFilesBesideTheMap) {
    std::vector<unsigned char> pixels(30 * 20 * 4, 200);
    std::filesystem::create_directories(folder / "scene");
    // The file system names it in UTF-8, the export in host text (Windows-1252).
    ASSERT_TRUE(stbi_write_png((folder / "scene/bl\xC3\xA4tter.png").c_str(), 16, 8, 4, pixels.data(), 16 * 4));
    ASSERT_TRUE(stbi_write_jpg((folder / "scene/stone.jpg").c_str(), 30, 20, 3, pixels.data(), 90));
    WriteText(folder / "scene/broken.png", "not an image");
    const std::string scene = Scene(
        Box("A", ", \"material\": \"Leaf\"") + "," + Box("B", ", \"material\": \"Stone\"") + "," +
            Box("C", ", \"material\": \"Broken\""),
        R"({"name": "Leaf", "type": "standard", "diffuse": {"bitmap": "bl\u00e4tter.png"}},
           {"name": "Stone", "type": "standard", "diffuse": {"bitmap": "stone.jpg"}},
           {"name": "Broken", "type": "standard", "diffuse": {"bitmap": "broken.png"}})");

    ProgramRun run = Export(scene, "--editor-paths unix");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const TgaHeader leaf = ReadTgaHeader(folder / "out/textures/bl\xE4tter.tga");
    EXPECT_EQ(leaf.type, 2);
    EXPECT_EQ(leaf.width, 16);
    EXPECT_EQ(leaf.height, 8);
    EXPECT_EQ(leaf.bits, 32) << "alpha kept";
    const TgaHeader stone = ReadTgaHeader(folder / "out/textures/stone.tga");
    EXPECT_EQ(stone.width, 30);
    EXPECT_EQ(stone.height, 20);
    EXPECT_EQ(stone.bits, 24);

    const std::string script = Script();
    EXPECT_TRUE(Has(script, "FILE=\"" + folder.Path() + "/out/textures/bl\xE4tter.tga\" NAME=\"bl\xE4tter\""));
    EXPECT_TRUE(Has(script, "FILE=\"" + folder.Path() + "/out/textures/stone.tga\" NAME=\"stone\"")) << script;
    EXPECT_TRUE(Has(script, "FILE=\"" + folder.Path() + "/scene/broken.png\" NAME=\"broken\"")) << script;
    EXPECT_FALSE(os::FileExists(folder / "out/textures/broken.tga"));
    EXPECT_TRUE(Has(run.err, "broken.png")) << run.err;
    EXPECT_TRUE(Has(run.err, "stone.jpg is 30x20")) << run.err;
    EXPECT_FALSE(Has(run.err, "tter")) << run.err;
}

std::string Polygon17() {
    std::string vertices;
    std::string corners;
    for (int i = 0; i < 17; ++i) {
        vertices += (i ? "," : "") + std::string("[") + std::to_string(i % 2 ? 64 + i : i) + "," +
                    std::to_string(i < 9 ? i * 8 : 136 - i * 8) + ",0]";
        corners += (i ? "," : "") + std::to_string(i);
    }
    return "{\"name\": \"Fan\", \"modifiers\": [{\"type\": \"Unreal Brush\"}], \"object\": {\"type\": \"mesh\", "
           "\"vertices\": [" + vertices + "], \"polygons\": [{\"v\": [" + corners + "]}]}}";
}

std::string Mover(const std::string& name, const std::string& animation) {
    return Box(name, ", \"material\": \"Wall\", \"animation\": " + animation +
                         ", \"modifiers\": [{\"type\": \"Unreal Mover\"}]");
}

const char kWall[] = R"({"name": "Wall", "type": "standard",
                         "diffuse": {"bitmap": "C:\\wall.bmp", "width": 128, "height": 128}})";

TEST_F(EditorHandOver, EachTrapOfTheEditorIsWarnedOfAndACleanSceneIsNot) {
    std::string zKeys;
    for (int key = 0; key < 10; ++key) zKeys += (key ? "," : "") + ("[" + std::to_string(key * 480) + ", 0]");
    const std::string traps = Scene(
        Box("Bare") + "," + Polygon17() + "," + Box("Lost", ", \"material\": \"Lost\"") + "," +
            Box("Twin", ", \"material\": \"Wall\"") + "," + Box("twin", ", \"material\": \"Wall\"") + "," +
            Brush("Hole", "Subtract") + "," +
            Mover("Lift", "{\"position\": {\"z\": {\"type\": \"linear\", \"keys\": [" + zKeys + "]}}}"),
        std::string(kWall) + R"(, {"name": "Lost", "type": "standard", "diffuse": {"bitmap": "gone.bmp"}})");
    ProgramRun run = Export(traps);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const std::string& warning :
         {std::string("static mesh Bare has no material"), std::string("brush Fan has 1 polygon(s) with more than 16"),
          "bitmap " + folder.Path() + "/scene/gone.bmp (texture gone) does not exist",
          std::string("nodes \"Twin\" and \"twin\" are both named twin"),
          std::string("brush Hole is subtractive and its faces point outward"),
          std::string("mover Lift has 10 keys")}) {
        EXPECT_TRUE(Has(run.err, "corvatrix: warning: " + warning)) << warning << "\n" << run.err;
    }
    EXPECT_TRUE(Has(run.out, "Warnings: 6\n")) << run.out;

    // Past ten of a kind only the count shows.
    std::string bare;
    for (int i = 0; i < 12; ++i) bare += (i ? "," : "") + Box("Bare" + std::to_string(i));
    ProgramRun many = Export(Scene(bare));
    EXPECT_EQ(std::count(many.err.begin(), many.err.end(), '\n'), 11) << many.err;
    EXPECT_TRUE(Has(many.err, "12 warnings of the kind \"static mesh without a material\" in all; 2 not shown"));

    EXPECT_TRUE(Has(Export(Scene(bare), "--selected").err,
                    "corvatrix: warning: the export of the selected nodes found none selected"));

    ProgramRun clean = Export(Scene(Box("Crate", ", \"material\": \"Wall\"") + "," + Brush("Room", "Add"), kWall));
    ASSERT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.err, "");
    EXPECT_TRUE(Has(clean.out, "Warnings: 0\n")) << clean.out;
}

// The polygon list of the brush actor named name.
std::string PolyList(const std::string& map, const std::string& name) {
    const std::size_t start = map.find("Begin Actor Class=Brush Name=" + name);
    const std::size_t from = map.find("Begin PolyList", start);
    return start == std::string::npos ? std::string() : map.substr(from, map.find("End PolyList", from) - from);
}

TEST_F(EditorHandOver, OrientBrushesWindsAnOutwardSubtractiveBoxAsAnAdditiveOne) {
    const std::string scene = Scene(Brush("Solid", "Add") + "," + Brush("Hole", "Subtract"));
    ASSERT_EQ(Export(scene).exitCode, 0);
    const std::string plain = Map();
    ASSERT_NE(PolyList(plain, "Hole"), PolyList(plain, "Solid"));

    ProgramRun oriented = Export(scene, "--orient-brushes");
    ASSERT_EQ(oriented.exitCode, 0);
    EXPECT_EQ(oriented.err, "");
    EXPECT_EQ(PolyList(Map(), "Hole"), PolyList(plain, "Solid"));
    EXPECT_EQ(PolyList(Map(), "Solid"), PolyList(plain, "Solid"));
}

TEST_F(EditorHandOver, MoverKeyedOnZOrRotationOnlyGetsItsKeys) {
    const std::string scene = Scene(
        Mover("Lift", R"({"position": {"z": {"type": "linear", "keys": [[0, 0], [4800, 120]]}}})") + "," +
            Mover("Gate", R"({"rotation": {"keys": [[0, [0, 0, 0]], [2400, [0, 0, 90]]]}})"),
        kWall);
    ASSERT_EQ(Export(scene).exitCode, 0);
    const std::string map = Map();
    const std::string lift = map.substr(map.find("Name=Lift"));
    EXPECT_TRUE(Has(lift.substr(0, lift.find("End Actor")), "KeyPos(1)=(X=0.000000,Y=0.000000,Z=120.000000)"));
    EXPECT_TRUE(Has(lift.substr(0, lift.find("End Actor")), "NumKeys=2"));
    const std::string gate = map.substr(map.find("Name=Gate"));
    EXPECT_TRUE(Has(gate.substr(0, gate.find("End Actor")), "KeyRot(1)=(Pitch=0,Yaw=-16384,Roll=0)")) << gate;
    EXPECT_TRUE(Has(gate.substr(0, gate.find("End Actor")), "NumKeys=2"));
}

TEST_F(EditorHandOver, SpotLightsShineWhereTheHostSpotPoints) {
    const std::string scene = Scene(R"({"name": "Down", "object": {"type": "targetSpot"}},
        {"name": "North", "transform": {"rotation": [90, 0, 0]}, "object": {"type": "targetSpot"}},
        {"name": "Bulb", "object": {"type": "omni"}})");
    ASSERT_EQ(Export(scene).exitCode, 0);
    const std::string map = Map();
    auto block = [&map](const std::string& name) {
        const std::size_t start = map.find("Name=" + name);
        return map.substr(start, map.find("End Actor", start) - start);
    };
    EXPECT_TRUE(Has(block("Down"), "Rotation=(Pitch=-16384,Yaw=0,Roll=0)")) << block("Down");
    EXPECT_TRUE(Has(block("North"), "Rotation=(Pitch=0,Yaw=16384,Roll=0)")) << block("North");
    EXPECT_FALSE(Has(block("Bulb"), "Rotation="));
}

// Brush polygons come out in the reverse of the host's corner order: the
// map's first three corners are the host's last three, on one line.
TEST_F(EditorHandOver, TextureAxesComeFromTheFirstCornersThatSpanAPlane) {
    const std::string scene = Scene(R"({"name": "Floor", "material": "Wall",
        "modifiers": [{"type": "Unreal Brush"}],
        "object": {"type": "mesh", "vertices": [[0, 0, 0], [32, 0, 0], [64, 0, 0], [64, 64, 0], [0, 64, 0]],
                   "uv": {"1": {"verts": [[0, 0, 0], [0.5, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0]]}},
                   "polygons": [{"v": [3, 4, 0, 1, 2], "uv": {"1": [3, 4, 0, 1, 2]}}]}})", kWall);
    ASSERT_EQ(Export(scene).exitCode, 0);
    const std::string polygon = PolyList(Map(), "Floor");
    EXPECT_FALSE(Has(polygon, "493.000000")) << polygon;
    EXPECT_TRUE(Has(polygon, "TextureU -2.000000,0.000000,0.000000") ||
                Has(polygon, "TextureU 2.000000,0.000000,0.000000")) << polygon;
}

}  // namespace
