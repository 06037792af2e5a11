// Text from the UTF-8 file reaches the host as Windows-1252 bytes; what the
// code page cannot hold is a fault at its path.

#include "host/scene/DerivedObject.h"
#include "host/scene/Modifier.h"
#include "host/scene/Mtl.h"
#include "host/scene/Texmap.h"
#include "host/scenekeys/Windows1252.h"
#include "tests/host/scenefile/SceneFileTest.h"

#include <string>

namespace {

using SceneFileText = SceneFileTest;

std::string Converted(const std::string& utf8, char32_t* unmappable = nullptr) {
    std::string out;
    char32_t bad = 0;
    if (!scenefile::Utf8ToWindows1252(utf8, out, bad)) {
        if (unmappable != nullptr) *unmappable = bad;
        return "<unmappable>";
    }
    return out;
}

TEST(Windows1252, ConvertsEveryCharacterOfTheCodePage) {
    EXPECT_EQ(Converted("Plain ASCII ~"), "Plain ASCII ~");
    // Latin-1 letters keep their numbers.
    EXPECT_EQ(Converted("\xC3\xA9\xC3\xBF\xC2\xA0"), "\xE9\xFF\xA0");
    // The typographic characters of 0x80..0x9F: euro, single low quote, en
    // dash, trade mark, Y with diaeresis.
    EXPECT_EQ(Converted("\xE2\x82\xAC\xE2\x80\x9A\xE2\x80\x93\xE2\x84\xA2\xC5\xB8"), "\x80\x82\x96\x99\x9F");
    EXPECT_EQ(Converted(""), "");
}

TEST(Windows1252, RejectsWhatTheCodePageCannotHold) {
    char32_t bad = 0;
    EXPECT_EQ(Converted("ok \xE4\xB8\xAD", &bad), "<unmappable>");
    EXPECT_EQ(bad, U'\u4E2D');
    // The C1 control U+0081 sits where the code page has no character.
    EXPECT_EQ(Converted("\xC2\x81", &bad), "<unmappable>");
    EXPECT_EQ(bad, U'\u0081');
    EXPECT_EQ(Converted("\xF0\x9F\x98\x80", &bad), "<unmappable>");
    EXPECT_EQ(bad, U'\U0001F600');
    EXPECT_EQ(Converted(std::string("a\0b", 3), &bad), "<unmappable>");
    EXPECT_EQ(bad, U'\0');
}

TEST_F(SceneFileText, NamesAndPathsArriveAsWindows1252) {
    const auto scene = Load(R"({
        "materials": [{"name": "Caf\u00e9", "type": "standard", "diffuse": {"bitmap": "Br\u00fccke\\Stein.bmp"}}],
        "nodes": [{"name": "Ch\u00e2teau – Tour", "material": "Café", "object": {"type": "dummy"},
                   "modifiers": [{"type": "other", "name": "Biegen ü"}]}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* node = FirstNode(*scene);
    EXPECT_EQ(std::string(node->GetName()), "Ch\xE2teau \x96 Tour");
    ASSERT_NE(node->GetMtl(), nullptr) << "the reference is matched after conversion";
    EXPECT_EQ(std::string(node->GetMtl()->GetName()), "Caf\xE9");
    const auto* bitmap = static_cast<const BitmapTex*>(node->GetMtl()->GetSubTexmap(MAP_SLOT_DIFFUSE));
    EXPECT_EQ(std::string(bitmap->GetMapName()), folder_ / (std::string("Br") + "\xFC" + "cke\\Stein.bmp"));
    const auto* stack = static_cast<IDerivedObject*>(node->GetObjectRef());
    ASSERT_EQ(stack->SuperClassID(), GEN_DERIVOB_CLASS_ID);
    EXPECT_EQ(stack->GetModifier(0)->GetClassName(), "Biegen \xFC");
}

TEST_F(SceneFileText, CharactersOutsideTheCodePageAreFaults) {
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A"}, {"name": "城"}]})"),
              R"(: nodes[1].name: character U+57CE is not in the Windows-1252 code page)");
    EXPECT_EQ(Fault(R"({"materials": [{"name": "M", "type": "standard", "diffuse": {"bitmap": "tex/\u4e2d.bmp"}}]})"),
              R"(: materials[0].diffuse.bitmap: character U+4E2D is not in the Windows-1252 code page)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "modifiers": [{"type": "other", "name": "\ud83d\ude00"}]}]})"),
              R"(: nodes[0].modifiers[0].name: character U+1F600 is not in the Windows-1252 code page)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A\u0000B"}]})"),
              R"(: nodes[0].name: host text cannot hold the zero character)");
}

}  // namespace
