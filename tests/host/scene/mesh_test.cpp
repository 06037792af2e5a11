#include "host/scene/MeshConversion.h"
#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A regular pentagon in the XY plane, corners counter-clockwise, material 3,
// smoothing 0x10; its channel-1 map face names the map vertices backwards so
// that following it can be told from copying the vertex indices.
PolyMesh Pentagon() {
    PolyMesh poly;
    for (int i = 0; i < 5; ++i) {
        const double angle = 2.0 * 3.14159265358979 * i / 5.0;
        poly.addVert(Point3(static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle)), 0.0f));
    }
    poly.addFace({0, 1, 2, 3, 4}, 3, 0x10);
    poly.setMapSupport(1);
    for (int i = 0; i < 5; ++i) poly.addMapVert(1, UVVert(0.25f * static_cast<float>(i), 0.5f, 0.0f));
    poly.setMapFace(1, 0, {4, 3, 2, 1, 0});
    return poly;
}

}  // namespace

TEST(MeshFace, MaterialIdAndEdgeFlagsShareOneWord) {
    Face face;
    EXPECT_EQ(face.getFlags(), EDGE_ALL) << "a new face shows all edges";
    face.setMatID(0xFFFF);
    EXPECT_EQ(face.getMatID(), 0xFFFF);
    EXPECT_EQ(face.getFlags(), 0xFFFF0000u | EDGE_ALL);
    face.setEdgeVis(1, false);
    EXPECT_TRUE(face.getEdgeVis(0));
    EXPECT_FALSE(face.getEdgeVis(1));
    EXPECT_TRUE(face.getEdgeVis(2));
    EXPECT_EQ(face.getFlags(), 0xFFFF0000u | EDGE_A | EDGE_C);
    face.setMatID(5);
    EXPECT_EQ(face.getFlags(), (5u << 16) | EDGE_A | EDGE_C);
    face.setEdgeVisFlags(false, true, false);
    EXPECT_EQ(face.getFlags() & EDGE_ALL, EDGE_B);
    EXPECT_EQ(face.getMatID(), 5);
}

TEST(MeshMaps, ChannelsKeepOneMapFacePerTriangle) {
    Mesh mesh;
    mesh.setNumFaces(2);
    EXPECT_FALSE(mesh.mapSupport(1));
    EXPECT_FALSE(mesh.mapSupport(-1));
    EXPECT_FALSE(mesh.mapSupport(MAX_MESHMAPS));
    EXPECT_EQ(mesh.getNumMapVerts(1), 0);
    EXPECT_EQ(mesh.getNumMaps(), 0);

    mesh.setMapSupport(3);
    EXPECT_TRUE(mesh.mapSupport(3));
    EXPECT_FALSE(mesh.mapSupport(2));
    EXPECT_EQ(mesh.getNumMaps(), 4);
    mesh.setNumMapVerts(3, 2);
    mesh.setMapVert(3, 1, UVVert(0.5f, 0.25f, 0.0f));
    mesh.setNumFaces(3);
    mesh.mapFace(3, 2).setTVerts(1, 1, 0);
    EXPECT_EQ(mesh.mapFace(3, 2).getTVert(0), 1u);
    EXPECT_EQ(mesh.mapVert(3, 1), UVVert(0.5f, 0.25f, 0.0f));

    // Vertex colours are channel 0.
    mesh.setMapSupport(VERTEX_COLOR_CHANNEL);
    mesh.setNumMapVerts(0, 1);
    mesh.setMapVert(0, 0, VertColor(1, 0, 0));
    mesh.mapFace(0, 1).setTVerts(0, 0, 0);
    EXPECT_EQ(mesh.getNumVertCol(), 1);
    EXPECT_EQ(mesh.vertCol(0), VertColor(1, 0, 0));
    EXPECT_EQ(mesh.vcFace(1).getTVert(2), 0u);

    mesh.setMapSupport(3, false);
    EXPECT_FALSE(mesh.mapSupport(3));
    EXPECT_EQ(mesh.getNumMapVerts(3), 0);
    EXPECT_EQ(mesh.getNumMaps(), 1);
}

TEST(MeshConversion, PolygonFansFromItsFirstCornerWithInnerEdgesHidden) {
    const Mesh mesh = TriangulatePolyMesh(Pentagon());
    ASSERT_EQ(mesh.getNumVerts(), 5);
    ASSERT_EQ(mesh.getNumFaces(), 3);
    const std::uint32_t corners[3][3] = {{0, 1, 2}, {0, 2, 3}, {0, 3, 4}};
    const bool visible[3][3] = {{true, true, false}, {false, true, false}, {false, true, true}};
    // Map vertex of pentagon corner c is 4 - c.
    const std::uint32_t mapCorners[3][3] = {{4, 3, 2}, {4, 2, 1}, {4, 1, 0}};
    for (int f = 0; f < 3; ++f) {
        const Face& face = mesh.getFace(f);
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(face.getVert(c), corners[f][c]) << f << "/" << c;
            EXPECT_EQ(face.getEdgeVis(c), visible[f][c]) << f << "/" << c;
            EXPECT_EQ(mesh.mapFace(1, f).getTVert(c), mapCorners[f][c]) << f << "/" << c;
        }
        EXPECT_EQ(face.getMatID(), 3);
        EXPECT_EQ(face.getSmGroup(), 0x10u);
        EXPECT_TRUE(PointNear(mesh.getFaceNormal(f), Point3(0, 0, 1)));
    }
    ASSERT_EQ(mesh.getNumMapVerts(1), 5);
    EXPECT_EQ(mesh.mapVert(1, 4), UVVert(1.0f, 0.5f, 0.0f));
    EXPECT_FALSE(mesh.mapSupport(0));
}

TEST(MeshConversion, FansFollowPolygonOrderAndSkipDegenerateOnes) {
    PolyMesh poly;
    for (int i = 0; i < 6; ++i) poly.addVert(Point3(static_cast<float>(i), 0, 0));
    poly.addFace({0, 1, 2}, 1);
    poly.addFace({3, 4}, 2);
    poly.addFace({2, 3, 4, 5}, 7);
    const Mesh mesh = TriangulatePolyMesh(poly);
    ASSERT_EQ(mesh.getNumFaces(), 3);
    EXPECT_EQ(mesh.getFace(0).getMatID(), 1);
    EXPECT_EQ(mesh.getFace(0).getFlags() & EDGE_ALL, EDGE_ALL) << "a lone triangle shows all its edges";
    EXPECT_EQ(mesh.getFace(1).getMatID(), 7);
    EXPECT_EQ(mesh.getFace(1).getVert(0), 2u);
    EXPECT_EQ(mesh.getFace(2).getVert(2), 5u);
}

TEST(MeshConversion, TrianglesBecomeOnePolygonEach) {
    Mesh mesh;
    mesh.setNumVerts(4);
    for (int v = 0; v < 4; ++v) mesh.setVert(v, Point3(static_cast<float>(v), static_cast<float>(v * v), 1.0f));
    mesh.setNumFaces(2);
    mesh.getFace(0).setVerts(0, 1, 2);
    mesh.getFace(0).setMatID(4);
    mesh.getFace(0).setSmGroup(1);
    mesh.getFace(1).setVerts(2, 1, 3);
    mesh.getFace(1).setMatID(9);
    mesh.setMapSupport(2);
    mesh.setNumMapVerts(2, 3);
    mesh.setMapVert(2, 2, UVVert(0.1f, 0.2f, 0.3f));
    mesh.mapFace(2, 1).setTVerts(2, 0, 1);
    mesh.setMapSupport(VERTEX_COLOR_CHANNEL);
    mesh.setNumMapVerts(0, 1);
    mesh.setMapVert(0, 0, VertColor(0, 1, 0));

    const PolyMesh poly = PolyMeshFromTriangles(mesh);
    ASSERT_EQ(poly.numVerts(), 4);
    EXPECT_EQ(poly.vert(3), Point3(3, 9, 1));
    ASSERT_EQ(poly.numFaces(), 2);
    EXPECT_EQ(poly.face(0).deg(), 3);
    EXPECT_EQ(poly.face(0).material, 4);
    EXPECT_EQ(poly.face(0).smGroup, 1u);
    EXPECT_EQ(poly.face(1).material, 9);
    EXPECT_EQ(poly.face(1).vtx(0), 2u);
    EXPECT_EQ(poly.face(1).vtx(1), 1u);
    EXPECT_EQ(poly.face(1).vtx(2), 3u);

    ASSERT_TRUE(poly.mapSupport(2));
    EXPECT_FALSE(poly.mapSupport(1));
    ASSERT_EQ(poly.numMapVerts(2), 3);
    EXPECT_EQ(poly.mapVert(2, 2), UVVert(0.1f, 0.2f, 0.3f));
    ASSERT_EQ(poly.mapFace(2, 1).deg(), 3);
    EXPECT_EQ(poly.mapFace(2, 1).tv(0), 2u);
    EXPECT_EQ(poly.mapFace(2, 1).tv(2), 1u);
    ASSERT_TRUE(poly.mapSupport(0));
    EXPECT_EQ(poly.mapVert(0, 0), VertColor(0, 1, 0));

    // Back to triangles: the same faces again.
    const Mesh again = TriangulatePolyMesh(poly);
    ASSERT_EQ(again.getNumFaces(), 2);
    EXPECT_EQ(again.getFace(1).getVert(2), 3u);
    EXPECT_EQ(again.mapFace(2, 1).getTVert(0), 2u);
}
