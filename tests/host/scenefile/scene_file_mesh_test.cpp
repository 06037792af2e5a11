// Geometry from the scene file: the box primitive, triangle meshes with
// their map channels, and polygons fanned into triangles.

#include "host/scene/BoxObject.h"
#include "host/scene/PolyObject.h"
#include "host/scene/TriObject.h"
#include "tests/host/math/MathExpect.h"
#include "tests/host/scenefile/SceneFileTest.h"

#include <cmath>

namespace {

using SceneFileMesh = SceneFileTest;

// Frees a converted object unless it is the object itself.
struct Converted {
    Object* source;
    Object* object;
    ~Converted() {
        if (object != nullptr && object != source) object->DeleteThis();
    }
};

Converted ConvertNodeObject(SceneNode* node, Class_ID type) {
    Object* object = node->EvalWorldState(0).obj;
    return Converted{object, object != nullptr ? object->ConvertToType(0, type) : nullptr};
}

int InvisibleEdges(const Face& face) {
    return (face.getEdgeVis(0) ? 0 : 1) + (face.getEdgeVis(1) ? 0 : 1) + (face.getEdgeVis(2) ? 0 : 1);
}

TEST_F(SceneFileMesh, BoxPrimitive) {
    const auto scene =
        Load(R"({"nodes": [{"name": "Crate", "object": {"type": "box", "length": 20, "width": 10, "height": 5}},
                                         {"name": "Default", "object": {"type": "box"}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* crate = FirstNode(*scene);
    const auto* box = static_cast<BoxObject*>(crate->EvalWorldState(0).obj);
    ASSERT_EQ(box->ClassID(), BOXOBJ_CLASS_ID);
    EXPECT_EQ(box->GetLength(), 20.0f);
    EXPECT_EQ(box->GetWidth(), 10.0f);
    EXPECT_EQ(box->GetHeight(), 5.0f);
    const auto* defaults = static_cast<BoxObject*>(scene->GetRootNode()->Child(1)->EvalWorldState(0).obj);
    EXPECT_EQ(defaults->GetLength(), 10.0f);
    EXPECT_EQ(defaults->GetWidth(), 10.0f);
    EXPECT_EQ(defaults->GetHeight(), 10.0f);

    const Converted tri = ConvertNodeObject(crate, TRIOBJ_CLASS_ID);
    ASSERT_NE(tri.object, nullptr);
    const Mesh& mesh = static_cast<TriObject*>(tri.object)->GetMesh();
    ASSERT_EQ(mesh.getNumVerts(), 8);
    ASSERT_EQ(mesh.getNumFaces(), 12);
    // Width along X, length along Y, the pivot at the centre of the base.
    for (int v = 0; v < 8; ++v) {
        const Point3& p = mesh.getVert(v);
        EXPECT_EQ(std::fabs(p.x), 5.0f);
        EXPECT_EQ(std::fabs(p.y), 10.0f);
        EXPECT_TRUE(p.z == 0.0f || p.z == 5.0f);
    }
    for (int f = 0; f < 12; ++f) {
        const Face& face = mesh.getFace(f);
        EXPECT_EQ(face.getMatID(), f / 2);
        EXPECT_EQ(face.getSmGroup(), 2u << (f / 2));
        EXPECT_EQ(InvisibleEdges(face), 1) << "face " << f;
    }
    ASSERT_TRUE(mesh.mapSupport(1));
    for (int f = 0; f < 12; ++f) {
        for (int corner = 0; corner < 3; ++corner) {
            const UVVert& uv = mesh.mapVert(1, static_cast<int>(mesh.mapFace(1, f).getTVert(corner)));
            EXPECT_TRUE((uv.x == 0.0f || uv.x == 1.0f) && (uv.y == 0.0f || uv.y == 1.0f)) << uv;
        }
    }

    const Converted poly = ConvertNodeObject(crate, POLYOBJ_CLASS_ID);
    ASSERT_NE(poly.object, nullptr);
    const PolyMesh& quads = static_cast<PolyObject*>(poly.object)->GetMesh();
    ASSERT_EQ(quads.numFaces(), 6);
    for (int f = 0; f < 6; ++f) {
        EXPECT_EQ(quads.face(f).deg(), 4);
        EXPECT_EQ(quads.face(f).material, f);
    }
    EXPECT_TRUE(quads.mapSupport(1));
}

TEST_F(SceneFileMesh, TrianglesWithFaceDataAndMapChannels) {
    const auto scene = Load(R"({"nodes": [{"name": "Ramp", "object": {"type": "mesh",
        "vertices": [[0, 0, 0], [10, 0, 0], [10, 10, 0], [0, 10, 5]],
        "faces": [[0, 1, 2], {"v": [0, 2, 3], "mtl": 7, "smoothing": 4294967295, "edges": [1, 0, 1]}],
        "uv": {"3": {"verts": [[0, 0, 0], [1, 0, 0], [1, 1, 0]], "faces": [[0, 1, 2], [2, 1, 0]]},
               "1": {"verts": [[0.5, 0.5, 0]], "faces": [[0, 0, 0], [0, 0, 0]]}},
        "colors": {"verts": [[1, 0, 0], [0, 0.5, 1]], "faces": [[0, 0, 0], [1, 1, 0]]}}}]})");
    ASSERT_NE(scene, nullptr);
    auto* object = static_cast<TriObject*>(FirstNode(*scene)->EvalWorldState(0).obj);
    ASSERT_EQ(object->ClassID(), TRIOBJ_CLASS_ID);
    EXPECT_FALSE(object->HasPolygonForm());
    const Mesh& mesh = object->GetMesh();
    ASSERT_EQ(mesh.getNumVerts(), 4);
    EXPECT_EQ(mesh.getVert(3), Point3(0, 10, 5));
    ASSERT_EQ(mesh.getNumFaces(), 2);

    const Face& plain = mesh.getFace(0);
    EXPECT_EQ(plain.getMatID(), 0);
    EXPECT_EQ(plain.getSmGroup(), 0u);
    EXPECT_EQ(plain.getFlags() & EDGE_ALL, EDGE_ALL);
    const Face& full = mesh.getFace(1);
    EXPECT_EQ(full.getVert(2), 3u);
    EXPECT_EQ(full.getMatID(), 7);
    EXPECT_EQ(full.getSmGroup(), 0xFFFFFFFFu);
    EXPECT_TRUE(full.getEdgeVis(0));
    EXPECT_FALSE(full.getEdgeVis(1));
    EXPECT_TRUE(full.getEdgeVis(2));

    EXPECT_EQ(mesh.getNumMaps(), 4);
    EXPECT_FALSE(mesh.mapSupport(2));
    ASSERT_TRUE(mesh.mapSupport(3));
    EXPECT_EQ(mesh.getNumMapVerts(3), 3);
    EXPECT_EQ(mesh.mapVert(3, 2), UVVert(1, 1, 0));
    EXPECT_EQ(mesh.mapFace(3, 1).getTVert(0), 2u);
    EXPECT_EQ(mesh.mapVert(1, 0), UVVert(0.5f, 0.5f, 0));
    // Vertex colours are map channel 0.
    ASSERT_EQ(mesh.getNumVertCol(), 2);
    EXPECT_EQ(mesh.vertCol(1), Point3(0, 0.5f, 1));
    EXPECT_EQ(mesh.vcFace(1).getTVert(2), 0u);

    // Without polygons, one polygon per triangle.
    const Converted poly = ConvertNodeObject(FirstNode(*scene), POLYOBJ_CLASS_ID);
    ASSERT_NE(poly.object, nullptr);
    const PolyMesh& polygons = static_cast<PolyObject*>(poly.object)->GetMesh();
    ASSERT_EQ(polygons.numFaces(), 2);
    EXPECT_EQ(polygons.face(1).deg(), 3);
    EXPECT_EQ(polygons.face(1).material, 7);
}

TEST_F(SceneFileMesh, PolygonsAreFannedFromTheirFirstCorner) {
    const auto scene = Load(R"({"nodes": [{"name": "Floor", "object": {"type": "mesh",
        "vertices": [[0, 0, 0], [2, 0, 0], [3, 1, 0], [1, 2, 0], [-1, 1, 0], [0, -2, 0]],
        "uv": {"1": {"verts": [[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0], [0.5, 0.5, 0]]}},
        "polygons": [{"v": [0, 1, 2, 3, 4], "mtl": 3, "uv": {"1": [4, 0, 1, 2, 3]}},
                     {"v": [5, 1, 0, 4], "uv": {"1": [0, 1, 2, 3]}}]}}]})");
    ASSERT_NE(scene, nullptr);
    auto* object = static_cast<TriObject*>(FirstNode(*scene)->EvalWorldState(0).obj);
    EXPECT_TRUE(object->HasPolygonForm());
    const Mesh& mesh = object->GetMesh();
    // 5 - 2 triangles for the pentagon, 4 - 2 for the quadrilateral.
    ASSERT_EQ(mesh.getNumFaces(), 5);
    const Face& first = mesh.getFace(0);
    EXPECT_EQ(first.getVert(0), 0u);
    EXPECT_EQ(first.getVert(1), 1u);
    EXPECT_EQ(first.getVert(2), 2u);
    EXPECT_EQ(first.getMatID(), 3);
    // Fan (0,1,2), (0,2,3), (0,3,4): only the outline edges are visible.
    EXPECT_TRUE(first.getEdgeVis(0) && first.getEdgeVis(1) && !first.getEdgeVis(2));
    const Face& middle = mesh.getFace(1);
    EXPECT_TRUE(!middle.getEdgeVis(0) && middle.getEdgeVis(1) && !middle.getEdgeVis(2));
    const Face& last = mesh.getFace(2);
    EXPECT_EQ(last.getVert(2), 4u);
    EXPECT_TRUE(!last.getEdgeVis(0) && last.getEdgeVis(1) && last.getEdgeVis(2));
    EXPECT_EQ(mesh.getFace(3).getVert(0), 5u);
    EXPECT_EQ(mesh.getFace(4).getMatID(), 0);
    // The map faces fan alike.
    EXPECT_EQ(mesh.mapFace(1, 1).getTVert(0), 4u);
    EXPECT_EQ(mesh.mapFace(1, 1).getTVert(2), 2u);
    EXPECT_EQ(mesh.mapFace(1, 4).getTVert(2), 3u);

    // The polygon form is the polygons as written.
    const Converted poly = ConvertNodeObject(FirstNode(*scene), POLYOBJ_CLASS_ID);
    ASSERT_NE(poly.object, nullptr);
    const PolyMesh& polygons = static_cast<PolyObject*>(poly.object)->GetMesh();
    ASSERT_EQ(polygons.numFaces(), 2);
    EXPECT_EQ(polygons.face(0).deg(), 5);
    EXPECT_EQ(polygons.face(0).material, 3);
    EXPECT_EQ(polygons.mapFace(1, 1).tv(3), 3u);
}

TEST_F(SceneFileMesh, FacesAndPolygonsTogetherGiveBothForms) {
    const auto scene = Load(R"({"nodes": [{"name": "Quad", "object": {"type": "mesh",
        "vertices": [[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0]],
        "faces": [{"v": [0, 1, 3], "edges": [1, 0, 1]}, {"v": [1, 2, 3], "edges": [1, 1, 0]}],
        "polygons": [{"v": [0, 1, 2, 3]}]}}]})");
    ASSERT_NE(scene, nullptr);
    auto* object = static_cast<TriObject*>(FirstNode(*scene)->EvalWorldState(0).obj);
    ASSERT_TRUE(object->HasPolygonForm());
    // The triangles as written, not the fan of the polygon.
    EXPECT_EQ(object->GetMesh().getFace(0).getVert(2), 3u);
    EXPECT_EQ(object->GetMesh().getFace(1).getVert(0), 1u);
    const Converted poly = ConvertNodeObject(FirstNode(*scene), POLYOBJ_CLASS_ID);
    ASSERT_NE(poly.object, nullptr);
    EXPECT_EQ(static_cast<PolyObject*>(poly.object)->GetMesh().numFaces(), 1);
}

}  // namespace
