// Meshes from glTF: primitive modes, map channels, welding, smoothing
// groups and the polygon form of brushes.

#include "tests/host/gltf/GltfReaderTest.h"
#include "tests/host/gltf/GltfTestFile.h"
#include "tests/host/math/MathExpect.h"

#include <cmath>

namespace {

using GltfMesh = GltfReaderTest;

// Every corner turns the polygon's way or goes straight on.
bool IsConvex(const PolyMesh& poly, int f, const Point3& normal) {
    const PolyFace& face = poly.face(f);
    for (int i = 0; i < face.deg(); ++i) {
        const Point3 a = poly.vert(static_cast<int>(face.vtx((i + face.deg() - 1) % face.deg())));
        const Point3 b = poly.vert(static_cast<int>(face.vtx(i)));
        const Point3 c = poly.vert(static_cast<int>(face.vtx((i + 1) % face.deg())));
        if (DotProd(CrossProd(b - a, c - b), normal) < -1e-6f) return false;
    }
    return true;
}

TEST_F(GltfMesh, StripsAndFansFaceOneWayAndLinesAreSkipped) {
    for (const char* mode : {"04", "05", "11", "12"}) {
        const gltf::GltfScene scene =
            Read(Sample(std::string("samples/MeshPrimitiveModes/Mesh_PrimitiveMode_") + mode + ".gltf"));
        ASSERT_EQ(scene.nodes.size(), 1u);
        const Mesh& mesh = Triangles(scene.nodes[0].node);
        ASSERT_EQ(mesh.getNumFaces(), 2) << mode;
        EXPECT_TRUE(PointNear(mesh.getFaceNormal(0), mesh.getFaceNormal(1))) << mode;
        EXPECT_GT(mesh.getFaceNormal(0).Length(), 0.5f) << mode;
    }
    const gltf::GltfScene lines = Read(Sample("samples/MeshPrimitiveModes/Mesh_PrimitiveMode_01.gltf"));
    EXPECT_EQ(Triangles(lines.nodes[0].node).getNumFaces(), 0);
    EXPECT_EQ(lines.warnings, std::vector<std::string>{"primitives of points or lines are skipped"});
}

TEST_F(GltfMesh, TextureCoordinatesFlipVAndStayPerCorner) {
    GltfTestFile file;
    // A quad of two triangles with a seam in channel 1 along the shared edge.
    const int positions = file.Floats({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0}, "VEC3");
    const int uv0 = file.Floats({0, 0.25f, 1, 0.25f, 1, 1, 0.5f, 0, 0.5f, 0, 0.5f, 0}, "VEC2");
    const int uv1 = file.Floats({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "VEC2");
    const int colors = file.Floats({1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1}, "VEC4");
    file.Node({{"mesh", file.Mesh({{"POSITION", positions}, {"TEXCOORD_0", uv0}, {"TEXCOORD_1", uv1},
                                   {"COLOR_0", colors}})}});
    const gltf::GltfScene scene = Read(Write("uv.gltf", file.Text()));
    SceneNode* node = scene.nodes.at(0).node;
    const Mesh& mesh = Triangles(node);
    EXPECT_EQ(mesh.getNumVerts(), 4);  // welded
    ASSERT_TRUE(mesh.mapSupport(1));
    ASSERT_TRUE(mesh.mapSupport(2));
    ASSERT_TRUE(mesh.mapSupport(VERTEX_COLOR_CHANNEL));
    EXPECT_TRUE(PointNear(mesh.mapVert(1, static_cast<int>(mesh.mapFace(1, 0).getTVert(0))), Point3(0, 0.75f, 0)));
    EXPECT_TRUE(PointNear(mesh.mapVert(1, static_cast<int>(mesh.mapFace(1, 1).getTVert(0))), Point3(0.5f, 1, 0)));
    EXPECT_TRUE(PointNear(mesh.vertCol(static_cast<int>(mesh.vcFace(0).getTVert(1))), Point3(0, 1, 0)));
    // Both triangles have vertex (0, 0, 0) but differ in mapping there: no merge.
    EXPECT_EQ(Polygons(node).numFaces(), 2);
}

// Two unit squares side by side in the plane z = 0 (glTF y = 0), split per
// side like a modeller's flat shading, each square with its own normal.
std::string TwoSquares(GltfTestFile& file, float tilt) {
    std::vector<float> positions;
    std::vector<float> normals;
    for (int square = 0; square < 2; ++square) {
        const float x = static_cast<float>(square);
        const float corners[6][2] = {{0, 0}, {1, 0}, {1, -1}, {0, 0}, {1, -1}, {0, -1}};
        for (const auto& c : corners) {
            positions.insert(positions.end(), {x + c[0], 0, c[1]});
            normals.insert(normals.end(), {square == 0 ? 0.0f : tilt, 1, 0});
        }
    }
    file.Node({{"mesh", file.Mesh({{"POSITION", file.Floats(positions, "VEC3")},
                                   {"NORMAL", file.Floats(normals, "VEC3")}})}});
    return file.Text();
}

TEST_F(GltfMesh, WeldingAndSmoothingGroupsAcrossAHardEdge) {
    GltfTestFile smoothFile;
    const gltf::GltfScene smooth = Read(Write("smooth.gltf", TwoSquares(smoothFile, 0.0f)));
    const Mesh& flat = Triangles(smooth.nodes[0].node);
    EXPECT_EQ(flat.getNumVerts(), 6);
    ASSERT_EQ(flat.getNumFaces(), 4);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(flat.getFace(f).getSmGroup(), flat.getFace(0).getSmGroup());
    EXPECT_NE(flat.getFace(0).getSmGroup(), 0u);
    // Coplanar, one material, continuous mapping: one rectangle, corners kept.
    const PolyMesh rectangle = Polygons(smooth.nodes[0].node);
    ASSERT_EQ(rectangle.numFaces(), 1);
    EXPECT_EQ(rectangle.face(0).deg(), 6);

    GltfTestFile hardFile;
    const gltf::GltfScene hard = Read(Write("hard.gltf", TwoSquares(hardFile, 1.0f)));
    const Mesh& creased = Triangles(hard.nodes[0].node);
    ASSERT_EQ(creased.getNumFaces(), 4);
    EXPECT_EQ(creased.getFace(0).getSmGroup(), creased.getFace(1).getSmGroup());
    EXPECT_EQ(creased.getFace(2).getSmGroup(), creased.getFace(3).getSmGroup());
    EXPECT_EQ(creased.getFace(0).getSmGroup() & creased.getFace(2).getSmGroup(), 0u);
    EXPECT_EQ(Polygons(hard.nodes[0].node).numFaces(), 2);

    // The modeller's box: 24 corners weld to 8 vertices; neighbouring sides
    // never share a group, and the polygon form is six convex quads.
    const gltf::GltfScene box = Read(Sample("samples/Box/glTF-Embedded/Box.gltf"));
    SceneNode* node = box.nodes.at(1).node;
    const Mesh& mesh = Triangles(node);
    EXPECT_EQ(mesh.getNumVerts(), 8);
    ASSERT_EQ(mesh.getNumFaces(), 12);
    for (int a = 0; a < 12; ++a) {
        for (int b = 0; b < 12; ++b) {
            const bool sameSide = DotProd(mesh.getFaceNormal(a), mesh.getFaceNormal(b)) > 0.99f;
            const bool neighbours = std::fabs(DotProd(mesh.getFaceNormal(a), mesh.getFaceNormal(b))) < 0.01f;
            const std::uint32_t shared = mesh.getFace(a).getSmGroup() & mesh.getFace(b).getSmGroup();
            if (sameSide) {
                EXPECT_NE(shared, 0u);
            }
            if (neighbours) {
                EXPECT_EQ(shared, 0u);
            }
        }
    }
    const PolyMesh quads = Polygons(node);
    ASSERT_EQ(quads.numFaces(), 6);
    for (int f = 0; f < 6; ++f) EXPECT_EQ(quads.face(f).deg(), 4);
    // Edges inside a quad are hidden in the triangle form.
    int visible = 0;
    for (int f = 0; f < 12; ++f) {
        for (int edge = 0; edge < 3; ++edge) visible += mesh.getFace(f).getEdgeVis(edge) ? 1 : 0;
    }
    EXPECT_EQ(visible, 24);
}

TEST_F(GltfMesh, PolygonsStayConvexAndWithinSixteenCorners) {
    // An L of three unit squares: no single convex polygon covers it.
    GltfTestFile lFile;
    std::vector<float> positions;
    const float squares[3][2] = {{0, 0}, {1, 0}, {0, 1}};
    for (const auto& s : squares) {
        const float corners[6][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
        for (const auto& c : corners) positions.insert(positions.end(), {s[0] + c[0], 0, -(s[1] + c[1])});
    }
    lFile.Node({{"mesh", lFile.Mesh({{"POSITION", lFile.Floats(positions, "VEC3")}})}});
    const gltf::GltfScene l = Read(Write("l.gltf", lFile.Text()));
    const PolyMesh lPolygons = Polygons(l.nodes[0].node);
    EXPECT_GE(lPolygons.numFaces(), 2);
    EXPECT_LE(lPolygons.numFaces(), 3);
    for (int f = 0; f < lPolygons.numFaces(); ++f) EXPECT_TRUE(IsConvex(lPolygons, f, Point3(0, 0, 1)));

    // A disc of 40 corners fanned from one of them: at most 16 corners each.
    GltfTestFile discFile;
    std::vector<float> ring;
    for (int i = 0; i < 40; ++i) {
        const double angle = 2.0 * M_PI * i / 40.0;
        ring.insert(ring.end(), {static_cast<float>(std::cos(angle)), 0, static_cast<float>(-std::sin(angle))});
    }
    std::vector<std::uint16_t> fan;
    for (std::uint16_t i = 0; i < 40; ++i) fan.push_back(i);
    discFile.Json()["meshes"].push_back(
        {{"primitives", {{{"mode", 6}, {"attributes", {{"POSITION", discFile.Floats(ring, "VEC3")}}},
                          {"indices", discFile.Indices(fan)}}}}});
    discFile.Node({{"mesh", 0}});
    const gltf::GltfScene disc = Read(Write("disc.gltf", discFile.Text()));
    EXPECT_EQ(Triangles(disc.nodes[0].node).getNumFaces(), 38);
    const PolyMesh discPolygons = Polygons(disc.nodes[0].node);
    int corners = 0;
    for (int f = 0; f < discPolygons.numFaces(); ++f) {
        EXPECT_LE(discPolygons.face(f).deg(), 16);
        EXPECT_TRUE(IsConvex(discPolygons, f, Point3(0, 0, 1)));
        corners += discPolygons.face(f).deg() - 2;
    }
    EXPECT_EQ(corners, 38);  // every triangle in exactly one polygon
    EXPECT_LE(discPolygons.numFaces(), 3);
}

}  // namespace
