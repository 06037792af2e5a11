#include "common/T3dWriter.h"

#include "ScratchFolder.h"
#include "host/os/Files.h"
#include "host/scene/Mesh.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

class T3dWriterAse : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(writer.Open(folder / "Level.t3d")); }

    // The ASE file's text so far; closes it and puts the files in place.
    std::string AseText() {
        writer.Close();
        return FileContents(folder / "ase_Level_S/Rock.ase");
    }

    static Face MakeFace(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t smoothing, MtlID materialId) {
        Face face;
        face.setVerts(a, b, c);
        face.setSmGroup(smoothing);
        face.setMatID(materialId);
        return face;
    }

    ScratchFolder folder;
    T3dWriter writer;
};

TEST_F(T3dWriterAse, KeyLinesAndBlocks) {
    ASSERT_TRUE(writer.OpenAse("Rock", "Level_S"));
    writer.AseLong("3DSMAX_ASCIIEXPORT", 200);
    writer.AseString("MATERIAL_NAME", "Stone", true);
    writer.AseString("MATERIAL_NAME", "Stone", false);
    writer.AseBeginBlock("MATERIAL", 0);
    EXPECT_EQ(writer.AseDepth(), 1);
    writer.AseFloat("UVW_U_TILING", 1.0f);
    writer.AseFloat("UVW_U_OFFSET", -0.0f);
    writer.AseBeginBlock("MESH", T3dWriter::NoNumber);
    EXPECT_EQ(writer.AseDepth(), 2);
    writer.AseIndexedVector("MESH_VERTEX", 3, Point3(1.0f, -2.5f, 0.0f));
    writer.AseIndexedVector("MESH_TVERT", -12, Point3(0.125f, 1e6f, -1e-9f));
    writer.AseIndexedVector("MESH_VERTCOL", 123456, Point3(0.5f, 0.25f, 1.0f));
    writer.AseLong("MESH_NUMFACES", std::numeric_limits<std::int32_t>::min());
    writer.AseEndBlock();
    writer.AseBeginBlock("SUBMATERIAL", -1);
    writer.AseBeginBlock("SUBMATERIAL", std::numeric_limits<std::int32_t>::max());
    writer.AseEndBlock();
    writer.AseEndBlock();
    writer.AseEndBlock();
    EXPECT_EQ(writer.AseDepth(), 0);
    // An unbalanced end goes below depth 0 and then indents nothing.
    writer.AseEndBlock();
    writer.AseLong("FLAT", 1);
    EXPECT_EQ(writer.AseDepth(), -1);
    // The map text keeps its own depth and gets none of the ASE text.
    EXPECT_EQ(writer.Depth(), 1);

    EXPECT_EQ(AseText(),
              "*3DSMAX_ASCIIEXPORT 200\r\n"
              "*MATERIAL_NAME \"Stone\"\r\n"
              "*MATERIAL_NAME Stone\r\n"
              "*MATERIAL 0 {\r\n"
              "\t*UVW_U_TILING 1.000000\r\n"
              "\t*UVW_U_OFFSET 0.000000\r\n"
              "\t*MESH {\r\n"
              "\t\t*MESH_VERTEX     3\t1.000000\t-2.500000\t0.000000\r\n"
              "\t\t*MESH_TVERT   -12\t0.125000\t1000000.000000\t0.000000\r\n"
              "\t\t*MESH_VERTCOL 123456\t0.500000\t0.250000\t1.000000\r\n"
              "\t\t*MESH_NUMFACES -2147483648\r\n"
              "\t}\r\n"
              "\t*SUBMATERIAL -1 {\r\n"
              "\t\t*SUBMATERIAL 2147483647 {\r\n"
              "\t\t}\r\n"
              "\t}\r\n"
              "}\r\n"
              "}\r\n"
              "*FLAT 1\r\n");
    writer.Close();
    EXPECT_EQ(FileContents(folder / "Level._3d"), "");
}

TEST_F(T3dWriterAse, FaceLines) {
    ASSERT_TRUE(writer.OpenAse("Rock", "Level_S"));
    writer.AseBeginBlock("MESH_FACE_LIST", T3dWriter::NoNumber);
    writer.AseFace(MakeFace(0, 1, 2, 0, 0), 0, 0);
    writer.AseFace(MakeFace(7, 6, 5, 0b101, 1), 12, 3);
    writer.AseFace(MakeFace(100000, 2, 99999, 0xFFFFFFFFu, 7), 123456, 3);
    writer.AseFace(MakeFace(3, 4, 5, 0x80000000u, 65535), 1, -1);
    writer.AseFace(MakeFace(0xFFFFFFFFu, 0, 0, 0x40000002u, 2), -5, 31);
    writer.AseEndBlock();

    const std::string allGroups =
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32";
    EXPECT_EQ(AseText(),
              "*MESH_FACE_LIST {\r\n"
              "\t*MESH_FACE     0: A:    0 B:    1 C:    2 AB:1 BC:1 CA:1 *MESH_SMOOTHING 0\t*MESH_MTLID  0\n"
              "\t*MESH_FACE    12: A:    7 B:    6 C:    5 AB:1 BC:1 CA:1 *MESH_SMOOTHING 1,3\t*MESH_MTLID  1\n"
              "\t*MESH_FACE 123456: A:100000 B:    2 C:99999 AB:1 BC:1 CA:1 *MESH_SMOOTHING " + allGroups +
                  "\t*MESH_MTLID  3\n"
                  "\t*MESH_FACE     1: A:    3 B:    4 C:    5 AB:1 BC:1 CA:1 *MESH_SMOOTHING 32\t*MESH_MTLID -1\n"
                  "\t*MESH_FACE    -5: A:   -1 B:    0 C:    0 AB:1 BC:1 CA:1 *MESH_SMOOTHING 2,31\t*MESH_MTLID  2\n"
                  "}\r\n");
}

TEST_F(T3dWriterAse, OpenAseMakesThePackageFolder) {
    ASSERT_TRUE(writer.OpenAse("Rock", "Level_S"));
    writer.AseLong("FIRST", 1);
    // A second mesh of the package goes into the folder that is there now.
    ASSERT_TRUE(writer.OpenAse("Cliff", "Level_S"));
    writer.AseLong("SECOND", 2);
    writer.CloseAse();
    writer.CloseAse();
    EXPECT_TRUE(folder.Entries("ase_Level_S").size() == 2u && os::FindFiles(folder / "ase_Level_S", "*.ase").empty())
        << "the meshes take their names with the map, at the end";
    writer.Close();
    EXPECT_EQ(folder.Entries(), (Names{"Level._3d", "Level.exec", "ase_Level_S"}));
    EXPECT_EQ(FileContents(folder / "ase_Level_S/Rock.ase"), "*FIRST 1\r\n");
    EXPECT_EQ(FileContents(folder / "ase_Level_S/Cliff.ase"), "*SECOND 2\r\n");

    // Writing the mesh again replaces its file; nothing goes anywhere once
    // it is closed.
    ASSERT_TRUE(writer.OpenAse("Rock", "Level_S"));
    writer.AseLong("AGAIN", 3);
    writer.CloseAse();
    writer.AseLong("LOST", 4);
    writer.Close();
    EXPECT_EQ(FileContents(folder / "ase_Level_S/Rock.ase"), "*AGAIN 3\r\n");
    EXPECT_FALSE(writer.WriteFailed());
}

TEST(T3dWriterAseOpen, WindowsStyleDirectoryAndFailures) {
    ScratchFolder folder;
    CurrentFolderChange change(folder.Path());
    ASSERT_TRUE(os::CreateDirectory("C:"));
    ASSERT_TRUE(os::CreateDirectory("C:/maps"));

    T3dWriter unopened;
    EXPECT_FALSE(unopened.OpenAse("Rock", "Level_S")) << "no folder known before Open";
    EXPECT_EQ(folder.Entries(), Names{"C:"});

    T3dWriter writer;
    ASSERT_TRUE(writer.Open("C:\\maps\\Level.t3d"));
    ASSERT_TRUE(writer.OpenAse("Rock", "Level_S"));
    writer.AseLong("X", 1);
    writer.Close();
    EXPECT_EQ(FileContents("C:/maps/ase_Level_S/Rock.ase"), "*X 1\r\n");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(folder.Path()));

    // A file where the package folder should be: no folder, so no mesh file.
    ASSERT_TRUE(os::ReplaceFile("C:/maps/ase_Blocked", "a file"));
    EXPECT_FALSE(writer.OpenAse("Rock", "Blocked"));
    writer.AseLong("LOST", 1);
    writer.Close();
    EXPECT_EQ(FileContents("C:/maps/ase_Blocked"), "a file");
    EXPECT_TRUE(writer.WriteFailed()) << "a mesh without its file fails the export";
    EXPECT_NE(writer.FailureText().find("ase_Blocked/Rock.ase: Not a directory"), std::string::npos)
        << writer.FailureText();
}

}  // namespace
