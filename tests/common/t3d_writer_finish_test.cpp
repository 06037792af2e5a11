#include "common/T3dWriter.h"

#include "ScratchFolder.h"
#include "host/os/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct IndentedLine {
    int tabs;
    const char* text;
};

Lines Indented(std::initializer_list<IndentedLine> lines) {
    Lines result;
    for (const IndentedLine& line : lines)
        result.push_back(std::string(static_cast<std::size_t>(line.tabs), '\t') + line.text);
    return result;
}

// The builder brush as a map holds it, written out from its table.
const Lines kBuilderBrush = Indented({
    {1, "Begin Actor Class=Brush Name=cxActiveBrush"},
    {2, "MainScale=(SheerAxis=SHEER_ZX)"},
    {2, "PostScale=(SheerAxis=SHEER_ZX)"},
    {2, "Tag=\"cxActiveBrush\""},
    {2, "Begin Brush Name=cxActiveBrush_BRUSH"},
    {3, "Begin PolyList"},
    {4, "Begin Polygon"},
    {5, "Origin   -256.000000,-256.000000,-256.000000"},
    {5, "Normal   -1.000000,0.000000,0.000000"},
    {5, "TextureU 0.000000,1.000000,0.000000"},
    {5, "TextureV 0.000000,0.000000,-1.000000"},
    {5, "Vertex   -256.000000,-256.000000,-256.000000"},
    {5, "Vertex   -256.000000,-256.000000,256.000000"},
    {5, "Vertex   -256.000000,256.000000,256.000000"},
    {5, "Vertex   -256.000000,256.000000,-256.000000"},
    {4, "End Polygon"},
    {4, "Begin Polygon"},
    {5, "Origin   -256.000000,256.000000,-256.000000"},
    {5, "Normal   0.000000,1.000000,0.000000"},
    {5, "TextureU 1.000000,0.000000,0.000000"},
    {5, "TextureV 0.000000,0.000000,-1.000000"},
    {5, "Vertex   -256.000000,256.000000,-256.000000"},
    {5, "Vertex   -256.000000,256.000000,256.000000"},
    {5, "Vertex   256.000000,256.000000,256.000000"},
    {5, "Vertex   256.000000,256.000000,-256.000000"},
    {4, "End Polygon"},
    {4, "Begin Polygon"},
    {5, "Origin   256.000000,256.000000,-256.000000"},
    {5, "Normal   1.000000,0.000000,0.000000"},
    {5, "TextureU 0.000000,-1.000000,0.000000"},
    {5, "TextureV 0.000000,0.000000,-1.000000"},
    {5, "Vertex   256.000000,256.000000,-256.000000"},
    {5, "Vertex   256.000000,256.000000,256.000000"},
    {5, "Vertex   256.000000,-256.000000,256.000000"},
    {5, "Vertex   256.000000,-256.000000,-256.000000"},
    {4, "End Polygon"},
    {4, "Begin Polygon"},
    {5, "Origin   256.000000,-256.000000,-256.000000"},
    {5, "Normal   0.000000,-1.000000,0.000000"},
    {5, "TextureU -1.000000,0.000000,0.000000"},
    {5, "TextureV 0.000000,0.000000,-1.000000"},
    {5, "Vertex   256.000000,-256.000000,-256.000000"},
    {5, "Vertex   256.000000,-256.000000,256.000000"},
    {5, "Vertex   -256.000000,-256.000000,256.000000"},
    {5, "Vertex   -256.000000,-256.000000,-256.000000"},
    {4, "End Polygon"},
    {4, "Begin Polygon"},
    {5, "Origin   -256.000000,256.000000,256.000000"},
    {5, "Normal   0.000000,0.000000,1.000000"},
    {5, "TextureU 1.000000,0.000000,0.000000"},
    {5, "TextureV 0.000000,1.000000,0.000000"},
    {5, "Vertex   -256.000000,256.000000,256.000000"},
    {5, "Vertex   -256.000000,-256.000000,256.000000"},
    {5, "Vertex   256.000000,-256.000000,256.000000"},
    {5, "Vertex   256.000000,256.000000,256.000000"},
    {4, "End Polygon"},
    {4, "Begin Polygon"},
    {5, "Origin   -256.000000,-256.000000,-256.000000"},
    {5, "Normal   0.000000,0.000000,-1.000000"},
    {5, "TextureU 1.000000,0.000000,0.000000"},
    {5, "TextureV 0.000000,-1.000000,0.000000"},
    {5, "Vertex   -256.000000,-256.000000,-256.000000"},
    {5, "Vertex   -256.000000,256.000000,-256.000000"},
    {5, "Vertex   256.000000,256.000000,-256.000000"},
    {5, "Vertex   256.000000,-256.000000,-256.000000"},
    {4, "End Polygon"},
    {3, "End PolyList"},
    {2, "End Brush"},
    {2, "Brush=Model'myLevel.cxActiveBrush_BRUSH'"},
    {2, "Name=\"cxActiveBrush\""},
    {1, "End Actor"},
});

const Lines kMapStart = {"Begin Map"};
const Lines kMapEnd = Indented({{1, "Begin Surface"}, {1, "End Surface"}, {0, "End Map"}});

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The text's lines; every line must end with CR LF.
Lines SplitLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

void ExpectSameLines(const Lines& actual, const Lines& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

// The lines of the polygon blocks of the brush actor named name.
std::vector<Lines> PolygonsOf(const Lines& map, const std::string& name) {
    std::vector<Lines> polygons;
    auto line = std::find(map.begin(), map.end(), "\tBegin Actor Class=Brush Name=" + name);
    for (; line != map.end() && *line != "\tEnd Actor"; ++line) {
        if (*line == "\t\t\t\tBegin Polygon") polygons.emplace_back();
        if (!polygons.empty() && polygons.back().size() < 10) polygons.back().push_back(*line);
    }
    return polygons;
}

class FinishMapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(writer.Open(folder / "Level.t3d")); }

    Lines Finish(const Point3& first, const Point3& second, bool boundingBrush) {
        EXPECT_TRUE(writer.FinishMap(first, second, boundingBrush));
        return SplitLines(FileContents(folder / "Level.t3d"));
    }

    using Walk = std::function<void(T3dWriter&)>;

    // The text that walk gives an actor file of its own.
    std::string ActorText(const Walk& walk) {
        T3dWriter reference;
        EXPECT_TRUE(reference.Open(folder / "Reference.t3d"));
        walk(reference);
        reference.Close();
        return FileContents(folder / "Reference._3d");
    }

    // The map that a writer of its own finishes after walk.
    std::string MapOfWalk(bool boundingBrush, const Walk& walk) {
        T3dWriter exporter;
        EXPECT_TRUE(exporter.Open(folder / "Walk.t3d"));
        walk(exporter);
        EXPECT_TRUE(exporter.FinishMap(kFirst, kSecond, boundingBrush));
        return FileContents(folder / "Walk.t3d");
    }

    const Point3 kFirst{-228, -128, -128};
    const Point3 kSecond{428, 228, 328};
    ScratchFolder folder;
    T3dWriter writer;
};

TEST_F(FinishMapTest, AnEmptyWalkGivesTheHeaderTheBuilderBrushAndTheClosing) {
    writer.WriteExecLine("MAP IMPORT");
    ExpectSameLines(Finish(kFirst, kSecond, false), Join({kMapStart, kBuilderBrush, kMapEnd}));
    EXPECT_EQ(writer.Depth(), 0);
    EXPECT_EQ(folder.Entries(), (Lines{"Level.exec", "Level.t3d"})) << "the actor file is gone";
    EXPECT_EQ(FileContents(folder / "Level.exec"), "MAP IMPORT\r\n") << "the script is closed";
    writer.WriteExecLine("too late");
    writer.WriteString("Too", "late", false);
    writer.Close();
    EXPECT_EQ(FileContents(folder / "Level.exec"), "MAP IMPORT\r\n");
    EXPECT_FALSE(writer.WriteFailed());
}

TEST_F(FinishMapTest, TheBoundingBrushFollowsTheBuilderBrushAndSpansTheCorners) {
    const Lines map = Finish(kFirst, kSecond, true);
    ASSERT_GT(map.size(), 1 + kBuilderBrush.size());
    ExpectSameLines(Lines(map.begin(), map.begin() + 1 + static_cast<long>(kBuilderBrush.size())),
                    Join({kMapStart, kBuilderBrush}));
    const Lines bound(map.begin() + 1 + static_cast<long>(kBuilderBrush.size()), map.end());
    ASSERT_GT(bound.size(), 6u);
    EXPECT_EQ(bound[0], "\tBegin Actor Class=Brush Name=cxBoundBrush");
    EXPECT_EQ(bound[1], "\t\tCsgOper=CSG_Subtract");
    EXPECT_EQ(bound[2], "\t\tMainScale=(SheerAxis=SHEER_ZX)");
    EXPECT_EQ(bound[3], "\t\tPostScale=(SheerAxis=SHEER_ZX)");
    EXPECT_EQ(bound[4], "\t\tTag=\"cxBoundBrush\"");
    EXPECT_EQ(bound[5], "\t\tBegin Brush Name=cxBoundBrush_BRUSH");
    const Lines closing(bound.end() - 8, bound.end());
    EXPECT_EQ(closing, Join({Indented({{3, "End PolyList"},
                                       {2, "End Brush"},
                                       {2, "Brush=Model'myLevel.cxBoundBrush_BRUSH'"},
                                       {2, "Name=\"cxBoundBrush\""},
                                       {1, "End Actor"}}),
                             kMapEnd}));

    const std::vector<Lines> polygons = PolygonsOf(map, "cxBoundBrush");
    ASSERT_EQ(polygons.size(), 6u);
    EXPECT_EQ(polygons[0], Indented({{4, "Begin Polygon"},
                                     {5, "Origin   -228.000000,-128.000000,-128.000000"},
                                     {5, "Normal   -1.000000,0.000000,0.000000"},
                                     {5, "TextureU 0.000000,1.000000,0.000000"},
                                     {5, "TextureV 0.000000,0.000000,-1.000000"},
                                     {5, "Vertex   -228.000000,228.000000,-128.000000"},
                                     {5, "Vertex   -228.000000,228.000000,328.000000"},
                                     {5, "Vertex   -228.000000,-128.000000,328.000000"},
                                     {5, "Vertex   -228.000000,-128.000000,-128.000000"},
                                     {4, "End Polygon"}}));
    EXPECT_EQ(polygons[4][1], "\t\t\t\t\tOrigin   -228.000000,228.000000,328.000000");
    EXPECT_EQ(polygons[4][5], "\t\t\t\t\tVertex   428.000000,228.000000,328.000000");
}

TEST_F(FinishMapTest, TheBoundingBoxOfTheBuilderCubeListsEachFaceBackwards) {
    const Lines map = Finish({-256, -256, -256}, {256, 256, 256}, true);
    const std::vector<Lines> builder = PolygonsOf(map, "cxActiveBrush");
    const std::vector<Lines> bound = PolygonsOf(map, "cxBoundBrush");
    ASSERT_EQ(builder.size(), 6u);
    ASSERT_EQ(bound.size(), 6u);
    for (std::size_t face = 0; face < 6; ++face) {
        Lines reversed = builder[face];
        std::reverse(reversed.begin() + 5, reversed.begin() + 9);
        EXPECT_EQ(bound[face], reversed) << "face " << face + 1;
    }
}

TEST_F(FinishMapTest, CornersOnTheAxesPrintWithoutNegativeZeros) {
    ASSERT_TRUE(writer.FinishMap({-0.0f, -0.0f, -0.0f}, {0.0f, 0.0f, 0.0f}, true));
    const std::string text = FileContents(folder / "Level.t3d");
    EXPECT_NE(text.find("Vertex   0.000000,0.000000,0.000000"), std::string::npos);
    EXPECT_EQ(text.find("-0.000000"), std::string::npos);
}

TEST_F(FinishMapTest, TheActorFileIsCopiedInUnchanged) {
    // Actor files of one line, of exactly two copy blocks, of many blocks,
    // and with a line longer than a block; odd bytes included.
    constexpr std::size_t kTwoBlocksValue = 2048 - std::char_traits<char>::length("\tTag=\"\"\r\n");
    const std::string oddBytes("\0\xff\n\r\t\"", 6);
    const std::vector<std::vector<std::string>> walks = {
        {"Floor01"},
        {std::string(kTwoBlocksValue, 'v')},
        std::vector<std::string>(700, "Pillar" + oddBytes),
        {std::string(3000, 'w') + oddBytes, "short"},
    };
    const std::string ending = "\tBegin Surface\r\n\tEnd Surface\r\nEnd Map\r\n";
    for (bool boundingBrush : {false, true}) {
        const std::string emptyMap = MapOfWalk(boundingBrush, [](T3dWriter&) {});
        ASSERT_GT(emptyMap.size(), ending.size());
        const std::string brushes = emptyMap.substr(0, emptyMap.size() - ending.size());
        for (const std::vector<std::string>& values : walks) {
            const auto writeActors = [&](T3dWriter& target) {
                for (const std::string& value : values) target.WriteString("Tag", value, true);
            };
            const std::string actors = ActorText(writeActors);
            EXPECT_EQ(MapOfWalk(boundingBrush, writeActors), brushes + actors + ending)
                << actors.size() << " bytes of actors";
        }
    }
    const Walk twoBlocks = [&](T3dWriter& target) {
        target.WriteString("Tag", std::string(kTwoBlocksValue, 'v'), true);
    };
    EXPECT_EQ(ActorText(twoBlocks).size(), 2048u);
}

TEST_F(FinishMapTest, AMissingActorFileGivesTheBrushesAndTheClosing) {
    writer.BeginActor("Light", "Lamp");
    writer.End("Actor");
    writer.WriteExecLine("LIGHT APPLY");
    ASSERT_TRUE(os::DeleteFile(folder / "Level._3d"));
    const Lines map = Finish(kFirst, kSecond, true);
    ASSERT_GT(map.size(), 4u);
    EXPECT_EQ(map.front(), "Begin Map");
    EXPECT_EQ(PolygonsOf(map, "cxActiveBrush").size(), 6u);
    EXPECT_EQ(PolygonsOf(map, "cxBoundBrush").size(), 6u);
    ExpectSameLines(Lines(map.end() - 4, map.end()), Join({{"\tEnd Actor"}, kMapEnd}));
    EXPECT_EQ(std::count(map.begin(), map.end(), "\tEnd Actor"), 2);
    EXPECT_EQ(FileContents(folder / "Level.exec"), "LIGHT APPLY\r\n");
    EXPECT_EQ(folder.Entries(), (Lines{"Level.exec", "Level.t3d"}));
}

TEST(FinishMap, AMapThatCannotBeCreatedStillClosesAndCleansUp) {
    ScratchFolder folder;
    ASSERT_TRUE(os::CreateDirectory(folder / "Level.t3d"));
    T3dWriter writer;
    ASSERT_TRUE(writer.Open(folder / "Level.t3d"));
    writer.WriteExecLine("MAP IMPORT");
    EXPECT_FALSE(writer.FinishMap({}, {}, true));
    EXPECT_EQ(folder.Entries(), (Lines{"Level.exec", "Level.t3d"}));
    EXPECT_EQ(FileContents(folder / "Level.exec"), "MAP IMPORT\r\n");

    // A writer that never opened anything touches no file, not even an
    // actor file of the current folder.
    CurrentFolderChange change(folder.Path());
    ASSERT_TRUE(os::ReplaceFile(folder / "._3d", "someone else's"));
    T3dWriter unopened;
    EXPECT_FALSE(unopened.FinishMap({}, {}, true));
    EXPECT_EQ(folder.Entries(), (Lines{"._3d", "Level.exec", "Level.t3d"}));
}

}  // namespace
