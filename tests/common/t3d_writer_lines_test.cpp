#include "common/T3dWriter.h"

#include "ScratchFolder.h"
#include "host/os/Files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

class T3dWriterLines : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(writer.Open(folder / "Level.t3d")); }

    // The actor file's text so far; closes the writer.
    std::string ActorText() {
        writer.Close();
        return FileContents(folder / "Level._3d");
    }

    ScratchFolder folder;
    T3dWriter writer;
};

TEST_F(T3dWriterLines, KeyValueLinesAtTheCurrentDepth) {
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(writer.AseDepth(), 0);
    writer.WriteString("Name", "Floor01", true);
    writer.WriteString("Name", "Floor01", false);
    writer.WriteString("Tag", "", true);
    writer.WriteLong("PolyFlags", 0);
    writer.WriteLong("Low", std::numeric_limits<std::int32_t>::min());
    writer.WriteLong("High", std::numeric_limits<std::int32_t>::max());
    writer.WriteFloat("Half", 0.5f);
    writer.WriteFloat("Quarter", -0.25f);
    writer.WriteFloat("Mirrored", -0.0f);
    writer.WriteVector("Location", Point3(256.0f, -1.0f, -0.0f));
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(ActorText(),
              "\tName=\"Floor01\"\r\n"
              "\tName=Floor01\r\n"
              "\tTag=\"\"\r\n"
              "\tPolyFlags=0\r\n"
              "\tLow=-2147483648\r\n"
              "\tHigh=2147483647\r\n"
              "\tHalf=0.500000\r\n"
              "\tQuarter=-0.250000\r\n"
              "\tMirrored=0.000000\r\n"
              "\tLocation=(X=256.000000,Y=-1.000000,Z=0.000000)\r\n");
}

TEST_F(T3dWriterLines, BlocksIndentTheirContents) {
    writer.BeginActor("Brush", "Wall01");
    EXPECT_EQ(writer.Depth(), 2);
    writer.WriteLong("PolyFlags", 0);
    writer.BeginBrush("Wall01_BRUSH");
    EXPECT_EQ(writer.Depth(), 3);
    writer.Begin("PolyList");
    EXPECT_EQ(writer.Depth(), 4);
    writer.End("PolyList");
    writer.End("Brush");
    writer.End("Actor");
    EXPECT_EQ(writer.Depth(), 1);
    writer.Begin("Surface");
    writer.End("Surface");
    // An unbalanced End goes below the first depth and then indents nothing.
    writer.End("Map");
    writer.End("Map");
    EXPECT_EQ(writer.Depth(), -1);
    writer.WriteLong("Flat", 1);
    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=Brush Name=Wall01\r\n"
              "\t\tPolyFlags=0\r\n"
              "\t\tBegin Brush Name=Wall01_BRUSH\r\n"
              "\t\t\tBegin PolyList\r\n"
              "\t\t\tEnd PolyList\r\n"
              "\t\tEnd Brush\r\n"
              "\tEnd Actor\r\n"
              "\tBegin Surface\r\n"
              "\tEnd Surface\r\n"
              "End Map\r\n"
              "End Map\r\n"
              "Flat=1\r\n");
}

TEST_F(T3dWriterLines, PolygonBlocks) {
    const Point3 origin(-256.0f, 256.0f, -256.0f);
    const Point3 normal(0.0f, 1.0f, 0.0f);
    const Point3 textureU(1.0f, 0.0f, 0.0f);
    const Point3 textureV(0.0f, 0.0f, -1.0f);
    const float vertices[] = {-256.0f, 256.0f, -256.0f, 0.5f, -0.0f, 1e-9f};

    writer.WritePolygon(&origin, &normal, &textureU, &textureV, vertices, 2, "Level_T.3dsmax.Bricks");
    EXPECT_EQ(writer.Depth(), 1);
    writer.WritePolygon(nullptr, &normal, nullptr, &textureV, vertices, 0, nullptr);
    writer.WritePolygon(&origin, nullptr, &textureU, nullptr, nullptr, 3, "");
    writer.WritePolygon(nullptr, nullptr, nullptr, nullptr, vertices, 1, nullptr);
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(ActorText(),
              "\tBegin Polygon Texture=Level_T.3dsmax.Bricks\r\n"
              "\t\tOrigin   -256.000000,256.000000,-256.000000\r\n"
              "\t\tNormal   0.000000,1.000000,0.000000\r\n"
              "\t\tTextureU 1.000000,0.000000,0.000000\r\n"
              "\t\tTextureV 0.000000,0.000000,-1.000000\r\n"
              "\t\tVertex   -256.000000,256.000000,-256.000000\r\n"
              "\t\tVertex   0.500000,0.000000,0.000000\r\n"
              "\tEnd Polygon\r\n"
              "\tBegin Polygon\r\n"
              "\t\tNormal   0.000000,1.000000,0.000000\r\n"
              "\t\tTextureV 0.000000,0.000000,-1.000000\r\n"
              "\tEnd Polygon\r\n"
              "\tBegin Polygon Texture=\r\n"
              "\t\tOrigin   -256.000000,256.000000,-256.000000\r\n"
              "\t\tTextureU 1.000000,0.000000,0.000000\r\n"
              "\tEnd Polygon\r\n"
              "\tBegin Polygon\r\n"
              "\t\tVertex   -256.000000,256.000000,-256.000000\r\n"
              "\tEnd Polygon\r\n");
}

TEST_F(T3dWriterLines, ExecScriptLines) {
    T3dWriter unopened;
    unopened.WriteExecLine("nowhere to go");
    unopened.WriteString("Name", "nowhere", false);
    EXPECT_FALSE(unopened.WriteFailed());

    writer.BeginActor("Light", "Lamp");
    writer.WriteExecLine("TEXTURE IMPORT FILE=\"C:\\maps\\Bricks.bmp\"");
    writer.WriteExecLine("");
    writer.Close();
    EXPECT_EQ(FileContents(folder / "Level.exec"), "TEXTURE IMPORT FILE=\"C:\\maps\\Bricks.bmp\"\r\n\r\n");
    writer.WriteExecLine("after Close");
    writer.Close();
    EXPECT_EQ(FileContents(folder / "Level.exec"), "TEXTURE IMPORT FILE=\"C:\\maps\\Bricks.bmp\"\r\n\r\n");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Level._3d", "Level.exec"}));
}

TEST_F(T3dWriterLines, LongLinesAreWrittenWhole) {
    const std::string key(3000, 'K');
    const std::string value(70000, 'v');
    writer.WriteString(key, value, true);
    writer.BeginActor(key, value);
    writer.WriteExecLine(value);
    EXPECT_EQ(ActorText(), "\t" + key + "=\"" + value + "\"\r\n" +
                               "\tBegin Actor Class=" + key + " Name=" + value + "\r\n");
    EXPECT_EQ(FileContents(folder / "Level.exec"), value + "\r\n");
}

// One of every line, so that the text crosses chunk boundaries everywhere.
void WriteEveryKindOfLine(T3dWriter& writer) {
    const Point3 axis(0.125f, -3.5f, 1e6f);
    const float vertices[] = {1.0f, 2.0f, 3.0f, -4.0f, -5.5f, 6.25f, 7.0f, 8.0f, 9.0f};
    for (int i = 0; i < 50; ++i) {
        writer.BeginActor("StaticMeshActor", "Rock" + std::to_string(i));
        writer.WriteString("Tag", "Rock", i % 2 == 0);
        writer.WriteLong("Index", i * -7919);
        writer.WriteFloat("DrawScale", static_cast<float>(i) / 3.0f);
        writer.WriteVector("Location", axis * static_cast<float>(i));
        writer.BeginBrush("Rock_BRUSH");
        writer.Begin("PolyList");
        writer.WritePolygon(&axis, &axis, &axis, &axis, vertices, 3, i % 3 ? "Pkg.Group.Tex" : nullptr);
        writer.End("PolyList");
        writer.End("Brush");
        writer.End("Actor");
        writer.WriteExecLine("STATICMESH IMPORT NAME=\"Rock" + std::to_string(i) + "\"");
    }
}

TEST(T3dWriterChunks, TinyChunksGiveTheSameBytes) {
    ScratchFolder folder;
    const struct {
        const char* name;
        std::size_t chunkSize;
    } runs[] = {{"Large", textout::ByteSink::kDefaultChunkSize}, {"Tiny", 5}};
    for (const auto& run : runs) {
        T3dWriter writer(run.chunkSize);
        ASSERT_TRUE(writer.Open(folder / (std::string(run.name) + ".t3d")));
        WriteEveryKindOfLine(writer);
        ASSERT_TRUE(writer.OpenMap());
        WriteEveryKindOfLine(writer);
        writer.Close();
        EXPECT_FALSE(writer.WriteFailed());
    }
    for (const char* extension : {"._3d", ".exec", ".t3d"}) {
        const std::string large = FileContents(folder / (std::string("Large") + extension));
        EXPECT_GT(large.size(), 1000u);
        EXPECT_EQ(FileContents(folder / (std::string("Tiny") + extension)), large) << extension;
    }
}

TEST_F(T3dWriterLines, OpenMapSwitchesTheMapText) {
    writer.WriteString("Where", "actor file", false);
    ASSERT_TRUE(writer.OpenMap());
    writer.WriteString("Where", "map file", false);
    writer.Close();
    EXPECT_EQ(FileContents(folder / "Level._3d"), "\tWhere=actor file\r\n");
    EXPECT_EQ(FileContents(folder / "Level.t3d"), "\tWhere=map file\r\n");

    // Without a path split by Open there is no folder to put the map in.
    ScratchFolder current;
    CurrentFolderChange change(current.Path());
    T3dWriter unopened;
    EXPECT_FALSE(unopened.OpenMap());
    EXPECT_TRUE(current.Entries().empty());
}

TEST_F(T3dWriterLines, WriteFailuresAreReported) {
    writer.WriteString("Name", "fine", false);
    writer.Close();
    EXPECT_FALSE(writer.WriteFailed());

    // Files can grow to 64 bytes only, as on a nearly full disk: the failed
    // export replaces none of the previous files and leaves none of its own.
    ASSERT_TRUE(os::ReplaceFile(folder / "Level.exec", "previous script"));
    ASSERT_TRUE(os::ReplaceFile(folder / "Level.t3d", "previous map"));
    struct FileSizeLimit {
        rlimit previous{};
        void (*previousHandler)(int) = ::signal(SIGXFSZ, SIG_IGN);
        FileSizeLimit() {
            ::getrlimit(RLIMIT_FSIZE, &previous);
            rlimit limit = previous;
            limit.rlim_cur = 64;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ~FileSizeLimit() {
            ::setrlimit(RLIMIT_FSIZE, &previous);
            ::signal(SIGXFSZ, previousHandler);
        }
    } limit;
    T3dWriter full;
    ASSERT_TRUE(full.Open(folder / "Level.t3d"));
    full.WriteString("Name", std::string(100, 'x'), false);
    full.WriteExecLine("fits");
    EXPECT_FALSE(full.FinishMap(Point3(0, 0, 0), Point3(1, 1, 1), true));
    EXPECT_TRUE(full.WriteFailed());
    EXPECT_EQ(os::LastError(), std::strerror(EFBIG));
    EXPECT_EQ(FileContents(folder / "Level.exec"), "previous script");
    EXPECT_EQ(FileContents(folder / "Level.t3d"), "previous map");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Level.exec", "Level.t3d"}));
}

}  // namespace
