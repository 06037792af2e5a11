#include "actorbuilder/AseGeometryReader.h"
#include "tests/actorbuilder/GeometryGroups.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using actorbuilder_test::Group;
using Fields = std::vector<std::int32_t>;
using Xyz = std::vector<float>;

const std::string kFixtures = std::string(CORVATRIX_SOURCE_DIR) + "/tests/actorbuilder/fixtures/";

struct AseRead {
    bool ok = false;
    std::string error;
    std::vector<Group> groups;
};

AseRead Read(std::string_view text) {
    actorbuilder::ByteStream in(text);
    cxa::CxaOutput out;
    AseRead read;
    read.ok = actorbuilder::ReadAseGeometry(in, out, read.error);
    if (read.ok) {
        EXPECT_TRUE(actorbuilder_test::DecodeGroups(out.Bytes(), read.groups));
    }
    return read;
}

Xyz VertexAt(const AseRead& read, std::size_t group, std::size_t index) {
    const ActorVertex& v = read.groups.at(group).vertices.at(index);
    return {v.x, v.y, v.z};
}

Fields FaceAt(const AseRead& read, std::size_t group, std::size_t index) {
    const actorbuilder_test::StoredFace& f = read.groups.at(group).faces.at(index);
    return {f.a, f.b, f.c, f.edges, f.smoothing, f.materialId};
}

// A mesh as exporters write it: counts, then the vertex and face lists.
std::string Mesh(int vertices, int faces, const std::string& vertexLines, const std::string& faceLines) {
    return "*GEOMOBJECT {\n  *MESH {\n    *MESH_NUMVERTEX " + std::to_string(vertices) + "\n    *MESH_NUMFACES " +
           std::to_string(faces) + "\n    *MESH_VERTEX_LIST {\n" + vertexLines + "    }\n    *MESH_FACE_LIST {\n" +
           faceLines + "    }\n  }\n}\n";
}

const std::string kTriangle =
    "      *MESH_VERTEX    0\t0.0000\t0.0000\t0.0000\n"
    "      *MESH_VERTEX    1\t1.0000\t0.0000\t0.0000\n"
    "      *MESH_VERTEX    2\t0.0000\t1.0000\t0.0000\n";

// The only face of a triangle whose face line ends with tail.
Fields TriangleFace(const std::string& tail) {
    const AseRead read =
        Read(Mesh(3, 1, kTriangle, "      *MESH_FACE 0:  A: 0 B: 1 C: 2 AB: 1 BC: 1 CA: 0\t" + tail + "\n"));
    EXPECT_TRUE(read.ok) << read.error;
    return read.ok ? FaceAt(read, 0, 0) : Fields{};
}

TEST(AseReader, SingleMeshGivesCountsVerticesAndFacesInFileOrder) {
    const AseRead read = Read(Mesh(4, 2,
                                   "      *MESH_VERTEX    0\t-10.0000\t-10.0000\t0.0000\n"
                                   "      *MESH_VERTEX    1\t10.0000\t-10.0000\t0.0000\n"
                                   "      *MESH_VERTEX    2\t-10.0000\t10.0000\t0.0000\n"
                                   "      *MESH_VERTEX    3\t10.0000\t10.0000\t2.5000\n",
                                   "      *MESH_FACE    0:    A:    0 B:    2 C:    3 AB:    1 BC:    1 CA:    0"
                                   "\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n"
                                   "      *MESH_FACE    1:    A:    3 B:    1 C:    0 AB:    1 BC:    0 CA:    1"
                                   "\t *MESH_SMOOTHING 2 \t*MESH_MTLID 3\n"));
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.groups.size(), 1u);
    ASSERT_EQ(read.groups[0].vertices.size(), 4u);
    EXPECT_EQ(VertexAt(read, 0, 0), (Xyz{-10, -10, 0}));
    EXPECT_EQ(VertexAt(read, 0, 3), (Xyz{10, 10, 2.5f}));
    ASSERT_EQ(read.groups[0].faces.size(), 2u);
    EXPECT_EQ(FaceAt(read, 0, 0), (Fields{0, 2, 3, 6, 1, 0}));
    EXPECT_EQ(FaceAt(read, 0, 1), (Fields{3, 1, 0, 5, 2, 3}));
}

TEST(AseReader, NumbersAreReadAsTheLinesGiveThem) {
    // Three floats after the vertex number, with a sign, an exponent or a '+'.
    const AseRead read = Read(Mesh(3, 1,
                                   "*MESH_VERTEX 0 -10.0000 2.5000 0.0000\n"
                                   "*MESH_VERTEX 1 1.5e-3 +2 -.25\n"
                                   "*MESH_VERTEX 2 0.1 7 -0\n",
                                   "*MESH_FACE 0: A: 0 B: 1 C: 2 AB: 1 BC: 1 CA: 0\n"));
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(VertexAt(read, 0, 0), (Xyz{-10.0f, 2.5f, 0.0f}));
    EXPECT_EQ(VertexAt(read, 0, 1), (Xyz{1.5e-3f, 2.0f, -0.25f}));
    EXPECT_EQ(VertexAt(read, 0, 2), (Xyz{0.1f, 7.0f, 0.0f}));

    // The face line of the example: labels and minus signs are skipped as
    // non-digits, so no field is negative.
    EXPECT_EQ(TriangleFace("*MESH_SMOOTHING 1 *MESH_MTLID 0"), (Fields{0, 1, 2, 6, 1, 0}));
    const AseRead signs = Read(Mesh(3, 1, kTriangle, "*MESH_FACE -0: A: -2 B: -1 C: -0 AB: 0 BC: 0 CA: 1\n"));
    EXPECT_EQ(FaceAt(signs, 0, 0), (Fields{2, 1, 0, 1, 0, 0}));
}

TEST(AseReader, KeysAreWholeTokensInAnyLetterCase) {
    // Keys that begin with a mesh key are other keys, and so is one of 128
    // characters, one more than the key buffer holds.
    const std::string longKey = "*MESH_VERTEX" + std::string(117, 'X');
    ASSERT_EQ(longKey.size(), 1u + 128u);
    const AseRead read = Read(
        "*mesh_numvertex 3\n*Mesh_NumFaces 1\n*mesh_vertex_list {\n"
        "*mesh_vertex 0 0 0 0\n" + longKey + " 9 9 9 9\n*MESH_VERTEXNORMAL 9 9 9 9\n"
        "*mesh_vertex 1 1 0 0\n*MESH_VERTEX" + std::string(300, 'Y') + "*MESH_VERTEX 9 9 9 9\n"
        "*mesh_vertex 2 0 1 0\n}\n*MESH_FACEMAPLIST {\n*MESH_FACEMAP 0 *MESH_FACEMAPVERT 9 9 9\n}\n"
        "*mesh_face_list {\n*mesh_face 0: A: 0 B: 1 C: 2 AB: 0 BC: 0 CA: 0 *mesh_smoothing 4 *mesh_mtlid 5\n}\n"
        "*MESH_FACENORMAL 0 0 0 1\n");
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.groups.size(), 1u);
    ASSERT_EQ(read.groups[0].vertices.size(), 3u);
    EXPECT_EQ(VertexAt(read, 0, 2), (Xyz{0, 1, 0}));
    EXPECT_EQ(FaceAt(read, 0, 0), (Fields{0, 1, 2, 0, 4, 5}));
}

TEST(AseReader, FaceSmoothingAndMaterialAreReadByTheirKeys) {
    // The first of several groups, 0 for none; the material id stays its own.
    EXPECT_EQ(TriangleFace("*MESH_SMOOTHING 3,5,12 \t*MESH_MTLID 7"), (Fields{0, 1, 2, 6, 3, 7}));
    EXPECT_EQ(TriangleFace("*MESH_SMOOTHING \t*MESH_MTLID 7"), (Fields{0, 1, 2, 6, 0, 7}));
    EXPECT_EQ(TriangleFace(""), (Fields{0, 1, 2, 6, 0, 0}));
    // An empty field does not take the next face's numbers.
    const AseRead two = Read(Mesh(3, 2, kTriangle,
                                  "*MESH_FACE 0: A: 0 B: 1 C: 2 AB: 1 BC: 1 CA: 1 *MESH_SMOOTHING 1,2 *MESH_MTLID\n"
                                  "*MESH_FACE 1: A: 2 B: 1 C: 0 AB: 0 BC: 0 CA: 0 *MESH_SMOOTHING *MESH_MTLID 9\n"));
    EXPECT_EQ(FaceAt(two, 0, 0), (Fields{0, 1, 2, 7, 1, 0}));
    EXPECT_EQ(FaceAt(two, 0, 1), (Fields{2, 1, 0, 0, 0, 9}));
}

TEST(AseReader, FilesOfOtherProgramsLoad) {
    // Two meshes with a helper between them: two groups in file order.
    const AseRead objects = Read(FileContents(kFixtures + "two_objects.ase"));
    ASSERT_TRUE(objects.ok) << objects.error;
    ASSERT_EQ(objects.groups.size(), 2u);
    EXPECT_EQ(objects.groups[0].vertices.size(), 8u);
    EXPECT_EQ(objects.groups[0].faces.size(), 12u);
    EXPECT_EQ(VertexAt(objects, 1, 3), (Xyz{45.0f, 2.887f, 8.165f}));
    EXPECT_EQ(objects.groups[1].faces.size(), 4u);

    // Texture and colour vertex lists, CR LF line ends, smoothing lists.
    const AseRead pyramid = Read(FileContents(kFixtures + "uv_colour_pyramid.ase"));
    ASSERT_TRUE(pyramid.ok) << pyramid.error;
    ASSERT_EQ(pyramid.groups.size(), 1u);
    ASSERT_EQ(pyramid.groups[0].vertices.size(), 5u);
    EXPECT_EQ(VertexAt(pyramid, 0, 4), (Xyz{0, 0, 15.5f}));
    ASSERT_EQ(pyramid.groups[0].faces.size(), 6u);
    EXPECT_EQ(FaceAt(pyramid, 0, 0), (Fields{0, 2, 1, 6, 0, 0}));
    EXPECT_EQ(FaceAt(pyramid, 0, 5), (Fields{3, 0, 4, 7, 4, 2}));
}

TEST(AseReader, RefusesWhatWouldNotLoadWhole) {
    const std::string face = "*MESH_FACE 0: A: 0 B: 1 C: 2 AB: 0 BC: 0 CA: 0\n";
    const std::pair<std::string, const char*> cases[] = {
        {"*SCENE {\n  *SCENE_FIRSTFRAME 0\n}\n", "no mesh"},
        {"*MESH_NUMFACES 1\n*MESH_VERTEX_LIST {\n" + kTriangle + "}\n*MESH_FACE_LIST {\n" + face + "}\n",
         "line 2: MESH_VERTEX_LIST before its MESH_NUMVERTEX"},
        {"*MESH_NUMVERTEX 3\n*MESH_VERTEX_LIST {\n" + kTriangle + "}\n*MESH_FACE_LIST {\n" + face + "}\n",
         "MESH_FACE_LIST before its MESH_NUMFACES"},
        {Mesh(4, 1, kTriangle, face), "the MESH_VERTEX_LIST ends 1 vertices short"},
        {Mesh(2, 1, kTriangle, face), "beyond its MESH_NUMVERTEX"},
        {Mesh(3, 2, kTriangle, face), "the MESH_FACE_LIST ends 1 faces short"},
        {Mesh(3, 1, kTriangle, "*MESH_FACE 0: A: 0 B: 3 C: 2 AB: 0 BC: 0 CA: 0\n"), "names vertex 3"},
        {Mesh(3, 1, "*MESH_VERTEX 0 0 0\n*MESH_VERTEX 1 1 0 0\n*MESH_VERTEX 2 0 1 0\n", face), "three coordinates"},
        {Mesh(3, 1, "*MESH_VERTEX 0 0 0 1e39\n" + kTriangle, face), "three coordinates"},
        {Mesh(3, 1, kTriangle, "*MESH_FACE 0: A: 0 B: 1 C: 2\n"), "needs its number, A, B, C"},
        {Mesh(3, 0, kTriangle, ""), "the first mesh has no faces"},
        {"*MESH_NUMVERTEX 3\n*MESH_VERTEX_LIST {\n" + kTriangle + "}\n", "no MESH_FACE_LIST"},
    };
    for (const auto& [text, error] : cases) {
        const AseRead read = Read(text);
        EXPECT_FALSE(read.ok) << error;
        EXPECT_NE(read.error.find(error), std::string::npos) << read.error;
    }

    cxa::CxaOutput out;
    std::string error;
    EXPECT_FALSE(actorbuilder::ReadAseGeometryFile("/nonexistent/rock.ase", out, error));
    EXPECT_EQ(error.rfind("/nonexistent/rock.ase: cannot be opened", 0), 0u) << error;
}

TEST(AseReader, FilesAreReadInBlocksAsTheyStand) {
    // Several blocks long: numbers and keys cross the block ends.
    std::string vertices, faces;
    constexpr int kCount = 6000;
    for (int i = 0; i < kCount; ++i) {
        const std::string n = std::to_string(i);
        vertices += "\t\t\t*MESH_VERTEX " + n + "\t" + n + ".2500\t-1.0000\t0.0000\n";
        faces += "\t\t\t*MESH_FACE " + n + ":    A: " + n + " B: 0 C: 0 AB: 1 BC: 0 CA: 1\t *MESH_SMOOTHING " +
                 std::to_string(i % 32) + " \t*MESH_MTLID 2\n";
    }
    const std::string text = Mesh(kCount, kCount, vertices, faces);
    ASSERT_GT(text.size(), 4u * 64 * 1024);
    ScratchFolder folder;
    ASSERT_TRUE(os::ReplaceFile(folder / "big.ase", text));

    cxa::CxaOutput fromFile;
    std::string error;
    ASSERT_TRUE(actorbuilder::ReadAseGeometryFile(folder / "big.ase", fromFile, error)) << error;
    AseRead read;
    ASSERT_TRUE(actorbuilder_test::DecodeGroups(fromFile.Bytes(), read.groups));
    ASSERT_EQ(read.groups.size(), 1u);
    for (int i = 0; i < kCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        ASSERT_EQ(VertexAt(read, 0, index), (Xyz{static_cast<float>(i) + 0.25f, -1, 0})) << i;
        ASSERT_EQ(FaceAt(read, 0, index), (Fields{i, 0, 0, 5, i % 32, 2})) << i;
    }
}

}  // namespace
