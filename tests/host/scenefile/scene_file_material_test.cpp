// Materials, texture maps and the sizes of their bitmaps.

#include "host/scene/Mtl.h"
#include "host/scene/Texmap.h"
#include "tests/common/ImageHeaders.h"
#include "tests/host/scenefile/SceneFileTest.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace image_headers;

// text as a JSON string.
std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

class SceneFileMaterials : public SceneFileTest {
protected:
    void WriteImage(const std::string& name, const Bytes& bytes) {
        std::filesystem::create_directories(folder_ / "tex");
        std::ofstream(folder_ / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    static const BitmapTex* Diffuse(const Mtl* mtl) {
        const Texmap* map = mtl->GetSubTexmap(MAP_SLOT_DIFFUSE);
        return map != nullptr && map->ClassID() == BITMAP_TEX_CLASS_ID ? static_cast<const BitmapTex*>(map) : nullptr;
    }
};

TEST_F(SceneFileMaterials, MaterialKindsAndTheirReferences) {
    const auto scene = Load(R"({
        "materials": [
            {"name": "Castle", "type": "multi", "subMaterials": ["Stone", null, "Glass"]},
            {"name": "Stone", "type": "standard",
             "diffuse": {"bitmap": "stone.bmp", "channel": 2, "width": 64, "height": 32},
             "opacity": {"type": "checker"},
             "selfIllumination": {"bitmap": "glow.tga", "width": 0, "height": 0}},
            {"name": "Glass", "type": "other"},
            {"name": "Baked", "type": "shell", "subMaterials": ["Castle", "Stone"]},
            {"name": "Plain", "type": "standard"}],
        "nodes": [{"name": "Keep", "material": "Baked"}, {"name": "Bare"}]})");
    ASSERT_NE(scene, nullptr);
    const Mtl* baked = FirstNode(*scene)->GetMtl();
    ASSERT_NE(baked, nullptr);
    EXPECT_EQ(baked->ClassID(), SHELL_MTL_CLASS_ID);
    ASSERT_EQ(baked->NumSubMtls(), 2);
    const Mtl* castle = baked->GetSubMtl(0);
    EXPECT_EQ(castle->ClassID(), MULTI_MTL_CLASS_ID);
    EXPECT_EQ(std::string(castle->GetName()), "Castle");
    ASSERT_EQ(castle->NumSubMtls(), 3);
    EXPECT_EQ(castle->GetSubMtl(1), nullptr);
    EXPECT_EQ(castle->GetSubMtl(2)->ClassID(), OTHER_MTL_CLASS_ID);
    // A material used in two places is one material.
    const Mtl* stone = castle->GetSubMtl(0);
    EXPECT_EQ(baked->GetSubMtl(1), stone);
    EXPECT_EQ(stone->ClassID(), STANDARD_MTL_CLASS_ID);

    const BitmapTex* diffuse = Diffuse(stone);
    ASSERT_NE(diffuse, nullptr);
    EXPECT_EQ(std::string(diffuse->GetMapName()), folder_ / "stone.bmp");
    EXPECT_EQ(diffuse->GetMapChannel(), 2);
    EXPECT_EQ(diffuse->GetWidth(), 64);
    EXPECT_EQ(diffuse->GetHeight(), 32);
    EXPECT_EQ(stone->GetSubTexmap(MAP_SLOT_OPACITY)->ClassID(), CHECKER_TEX_CLASS_ID);
    const auto* glow = static_cast<const BitmapTex*>(stone->GetSubTexmap(MAP_SLOT_SELF_ILLUM));
    EXPECT_EQ(glow->GetMapChannel(), 1);
    EXPECT_FALSE(glow->IsLoaded());
    EXPECT_EQ(stone->GetSubTexmap(MAP_SLOT_DIFFUSE + 1), nullptr);

    EXPECT_EQ(scene->GetRootNode()->Child(1)->GetMtl(), nullptr);
}

TEST_F(SceneFileMaterials, BitmapSizesComeFromTheImagesBesideTheSceneFile) {
    WriteImage("tex/wall.bmp", Bmp(64, 32));
    WriteImage("tex/floor.tga", Tga(16, 128));
    WriteImage("tex/sky.png", Png(256, 8));
    const std::string absolutePng = folder_ / "tex/sky.png";
    struct Case {
        std::string path;
        int width;
        int height;
    };
    // The test runs in another folder than the scene's, so relative paths
    // must start at the scene file (and are kept so, for the level editor
    // resolves them against its own folder). A Windows drive names no file
    // here and stays as written.
    const Case cases[] = {
        {"tex/wall.bmp", 64, 32}, {"tex\\floor.tga", 16, 128}, {absolutePng, 256, 8},
        {"tex/none.bmp", 0, 0},   {"C:\\tex\\wall.bmp", 0, 0},
    };
    std::string materials;
    std::string nodes;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string separator = i == 0 ? "" : ",";
        const std::string name = "\"M" + std::to_string(i) + "\"";
        materials += separator + R"({"name": )" + name + R"(, "type": "standard", "diffuse": {"bitmap": )" +
                     JsonString(cases[i].path) + "}}";
        nodes += separator + R"({"name": "N", "material": )" + name + "}";
    }
    const auto scene = Load(R"({"materials": [)" + materials + R"(], "nodes": [)" + nodes + "]}");
    ASSERT_NE(scene, nullptr);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].path);
        const BitmapTex* bitmap = Diffuse(scene->GetRootNode()->Child(static_cast<int>(i))->GetMtl());
        ASSERT_NE(bitmap, nullptr);
        const bool relative = cases[i].path[0] != '/' && cases[i].path[1] != ':';
        EXPECT_EQ(std::string(bitmap->GetMapName()), relative ? folder_ / cases[i].path : cases[i].path);
        EXPECT_EQ(bitmap->GetWidth(), cases[i].width);
        EXPECT_EQ(bitmap->GetHeight(), cases[i].height);
    }
}

}  // namespace
