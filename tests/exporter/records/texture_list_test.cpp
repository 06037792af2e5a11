#include "RecordFixture.h"

#include "tests/common/WinePath.h"

#include <string>

namespace {

using TextureListTest = RecordTest;

std::string ImportLine(const std::string& path, const std::string& name, const std::string& package,
                       const std::string& group) {
    return "TEXTURE IMPORT FILE=\"" + path + "\" NAME=\"" + name + "\" PACKAGE=\"" + package + "\" GROUP=\"" +
           group + "\" MIPS=1 MASKED=0\r\n";
}

TEST_F(TextureListTest, SharedMaterialIsImportedOnceUnderTheFirstNode) {
    StdMtl* stone = Standard(Bitmap("C:\\tex\\Old Stone.Wall.bmp", 2), Bitmap("C:\\tex\\mask.tga"),
                             Bitmap("C:\\tex\\glow.bmp", 3));
    SceneNode* first = AddNode(AddGroupHead(scene.GetRootNode(), "Tower"), "Wall", true);
    SceneNode* second = AddNode(scene.GetRootNode(), "Floor");
    first->SetMtl(stone);
    second->SetMtl(stone);
    const ProbeRecord a = Record(first);
    const ProbeRecord b = Record(second);

    EXPECT_EQ(ExecText(), ImportLine("C:\\tex\\Old Stone.Wall.bmp", "Old_Stone_Wall", "Castle_T", "Tower") +
                              ImportLine("C:\\tex\\mask.tga", "mask", "Castle_T", "Tower") +
                              ImportLine("C:\\tex\\glow.bmp", "glow", "Castle_T", "Tower"));
    // Both records list the bitmaps all the same.
    for (const ProbeRecord* record : {&a, &b}) {
        const TextureList& textures = record->Textures();
        EXPECT_EQ(textures.Count(), 1);
        std::string path;
        EXPECT_TRUE(textures.GetTexturePath(0, MAP_SLOT_OPACITY, path));
        EXPECT_EQ(path, "C:\\tex\\mask.tga");
        EXPECT_EQ(textures.GetTextureChannel(0, MAP_SLOT_DIFFUSE), 2);
        EXPECT_EQ(textures.GetTextureChannel(0, MAP_SLOT_SELF_ILLUM), 3);
    }
}

TEST_F(TextureListTest, ImportsNameTheRecordsTexturePackage) {
    StdMtl* brick = Standard(Bitmap("C:\\tex\\brick.bmp"));
    StdMtl* slate = Standard(Bitmap("C:\\tex\\slate.bmp"));
    options->Package = "myLevel";
    SceneNode* inLevel = AddNode(scene.GetRootNode(), "A");
    inLevel->SetMtl(brick);
    Record(inLevel);
    options->Package = "Castle";
    SceneNode* inCastle = AddNode(scene.GetRootNode(), "B");
    inCastle->SetMtl(slate);
    Record(inCastle);
    EXPECT_EQ(ExecText(), ImportLine("C:\\tex\\brick.bmp", "brick", "myLevel", "Misc") +
                              ImportLine("C:\\tex\\slate.bmp", "slate", "Castle_T", "Misc"));
}

TEST_F(TextureListTest, MultiMaterialListsAtMostThirtyTwoSubMaterials) {
    CompositeMtl* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    std::string expected;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "t" + std::to_string(i);
        multi->AddSubMtl(Standard(Bitmap("C:\\tex\\" + name + ".bmp", i)));
        if (i < TextureList::kMaxEntries) expected += ImportLine("C:\\tex\\" + name + ".bmp", name, "Castle_T", "Misc");
    }
    SceneNode* node = AddNode(scene.GetRootNode(), "Node");
    node->SetMtl(multi);
    const ProbeRecord record = Record(node);
    EXPECT_EQ(record.Textures().Count(), 32);
    EXPECT_EQ(record.Textures().GetTextureChannel(31, MAP_SLOT_DIFFUSE), 31);
    // Past the last entry, lookups read the last one.
    EXPECT_EQ(record.Textures().GetTextureChannel(35, MAP_SLOT_DIFFUSE), 31);
    std::string name;
    EXPECT_TRUE(record.Textures().GetTextureName(1000, MAP_SLOT_DIFFUSE, name));
    EXPECT_EQ(name, "t31");
    EXPECT_EQ(ExecText(), expected);
}

TEST_F(TextureListTest, SubMaterialsWithoutBitmapsKeepTheirPlace) {
    CompositeMtl* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    multi->AddSubMtl(Standard(scene.Adopt(new CheckerTex)));
    multi->AddSubMtl(nullptr);
    multi->AddSubMtl(Standard(nullptr, Bitmap("C:\\tex\\holes.tga")));
    multi->AddSubMtl(Standard(Bitmap("C:\\tex\\last.bmp", 4)));
    SceneNode* node = AddNode(scene.GetRootNode(), "Node");
    node->SetMtl(multi);
    const ProbeRecord record = Record(node);
    const TextureList& textures = record.Textures();
    EXPECT_EQ(textures.Count(), 4);
    EXPECT_EQ(textures.GetTextureChannel(0, MAP_SLOT_DIFFUSE), -1);
    EXPECT_EQ(textures.GetTextureChannel(1, MAP_SLOT_DIFFUSE), -1);
    EXPECT_EQ(textures.GetTextureChannel(2, MAP_SLOT_DIFFUSE), -1);
    EXPECT_EQ(textures.GetTextureChannel(3, MAP_SLOT_DIFFUSE), 4);
    EXPECT_EQ(textures.GetTextureChannel(3, MAP_SLOT_SELF_ILLUM), -1);
    EXPECT_EQ(textures.GetTextureChannel(3, MAP_SLOT_OPACITY), -1);
    EXPECT_EQ(ExecText(), ImportLine("C:\\tex\\holes.tga", "holes", "Castle_T", "Misc") +
                              ImportLine("C:\\tex\\last.bmp", "last", "Castle_T", "Misc"));
}

TEST_F(TextureListTest, MaterialsWithoutUsableDiffuseListNothing) {
    SceneNode* root = scene.GetRootNode();
    SceneNode* bare = AddNode(root, "Bare");
    SceneNode* opacityOnly = AddNode(root, "OpacityOnly");
    opacityOnly->SetMtl(Standard(nullptr, Bitmap("C:\\tex\\mask.tga")));
    SceneNode* checker = AddNode(root, "Checker");
    checker->SetMtl(Standard(scene.Adopt(new CheckerTex), Bitmap("C:\\tex\\mask.tga")));
    SceneNode* other = AddNode(root, "Other");
    other->SetMtl(scene.Adopt(new OtherMtl));
    for (SceneNode* node : {bare, opacityOnly, checker, other}) {
        const ProbeRecord record = Record(node);
        EXPECT_EQ(record.Textures().Count(), -1) << node->GetName();
        std::string path = "untouched";
        EXPECT_FALSE(record.Textures().GetTexturePath(0, MAP_SLOT_OPACITY, path));
        EXPECT_EQ(path, "untouched");
        EXPECT_EQ(record.Textures().GetTextureChannel(0, MAP_SLOT_DIFFUSE), 0);
    }
    EXPECT_EQ(ExecText(), "");
}

TEST_F(TextureListTest, ShellMaterialShowsItsThirdSubMaterial) {
    CompositeMtl* shell = scene.Adopt(new CompositeMtl(CompositeMtlType::Shell));
    shell->AddSubMtl(Standard(Bitmap("C:\\tex\\original.bmp")));
    shell->AddSubMtl(Standard(Bitmap("C:\\tex\\baked.bmp", 3)));
    CompositeMtl* single = scene.Adopt(new CompositeMtl(CompositeMtlType::Shell));
    single->AddSubMtl(Standard(Bitmap("C:\\tex\\alone.bmp")));
    SceneNode* node = AddNode(scene.GetRootNode(), "Baked");
    node->SetMtl(shell);
    SceneNode* lone = AddNode(scene.GetRootNode(), "Lone");
    lone->SetMtl(single);
    EXPECT_EQ(Record(node).Textures().Count(), 1);
    EXPECT_EQ(Record(lone).Textures().Count(), -1);
    EXPECT_EQ(ExecText(), ImportLine("C:\\tex\\baked.bmp", "baked", "Castle_T", "Misc"));
}

TEST_F(TextureListTest, TextureNamesAndShortPaths) {
    CompositeMtl* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    for (const char* path : {"a.bm", "a.bmp", "/home/u/tex/brick.v2.png", "C:\\my.tex\\plain", "C:\\tex\\.bmp"}) {
        multi->AddSubMtl(Standard(Bitmap(path)));
    }
    SceneNode* node = AddNode(scene.GetRootNode(), "Node");
    node->SetMtl(multi);
    const ProbeRecord record = Record(node);
    const TextureList& textures = record.Textures();
    std::string path;
    std::string name = "untouched";
    EXPECT_FALSE(textures.GetTexturePath(0, MAP_SLOT_DIFFUSE, path));
    EXPECT_FALSE(textures.GetTextureName(0, MAP_SLOT_DIFFUSE, name));
    EXPECT_TRUE(textures.GetTexturePath(1, MAP_SLOT_DIFFUSE, path));
    EXPECT_EQ(path, "a.bmp");
    const auto nameOf = [&textures](int index) {
        std::string found = "none";
        textures.GetTextureName(index, MAP_SLOT_DIFFUSE, found);
        return found;
    };
    EXPECT_EQ(nameOf(1), "a");
    EXPECT_EQ(nameOf(2), "brick_v2");
    EXPECT_EQ(nameOf(3), "plain");
    EXPECT_EQ(nameOf(4), "none");
    // Only the diffuse, opacity and self-illumination slots have paths.
    EXPECT_FALSE(textures.GetTexturePath(1, 2, path));
    EXPECT_EQ(textures.GetTextureChannel(1, MAP_SLOT_OPACITY), -1);
    EXPECT_EQ(ExecText(), ImportLine("a.bmp", "a", "Castle_T", "Misc") +
                              ImportLine(WinePath("/home/u/tex/brick.v2.png"), "brick_v2", "Castle_T", "Misc") +
                              ImportLine("C:\\my.tex\\plain", "plain", "Castle_T", "Misc"));
}

TEST(GetBitmap, OnlyBitmapsInExistingSlots) {
    Scene scene;
    BitmapTex* bitmap = scene.Adopt(new BitmapTex);
    StdMtl* standard = scene.Adopt(new StdMtl);
    standard->SetSubTexmap(MAP_SLOT_DIFFUSE, bitmap);
    standard->SetSubTexmap(MAP_SLOT_OPACITY, scene.Adopt(new CheckerTex));
    EXPECT_EQ(GetBitmap(standard, 7, MAP_SLOT_DIFFUSE), bitmap);
    EXPECT_EQ(GetBitmap(standard, 0, MAP_SLOT_OPACITY), nullptr);
    EXPECT_EQ(GetBitmap(standard, 0, MAP_SLOT_SELF_ILLUM), nullptr);
    EXPECT_EQ(GetBitmap(nullptr, 0, MAP_SLOT_DIFFUSE), nullptr);

    CompositeMtl* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    multi->AddSubMtl(scene.Adopt(new StdMtl));
    multi->AddSubMtl(standard);
    EXPECT_EQ(GetBitmap(multi, 1, MAP_SLOT_DIFFUSE), bitmap);
    EXPECT_EQ(GetBitmap(multi, 0, MAP_SLOT_DIFFUSE), nullptr);
    // An index equal to the number of sub-materials is past the list.
    EXPECT_EQ(GetBitmap(multi, 2, MAP_SLOT_DIFFUSE), nullptr);
    EXPECT_EQ(GetBitmap(multi, -1, MAP_SLOT_DIFFUSE), nullptr);

    EXPECT_EQ(GetBitmap(scene.Adopt(new OtherMtl), 0, MAP_SLOT_DIFFUSE), nullptr);
}

}  // namespace
