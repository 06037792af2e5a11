#include "host/scene/BoxObject.h"
#include "host/scene/PolyObject.h"
#include "host/scene/TriObject.h"
#include "tests/host/math/MathExpect.h"
#include "tests/host/scene/ReleaseCopy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace {

// Length 20 (Y), width 10 (X), height 6 (Z).
BoxObject SampleBox() { return BoxObject(20.0f, 10.0f, 6.0f); }

// Outward normals of the sides, in material-id order.
const Point3 kSideNormals[6] = {{0, 0, -1}, {0, 0, 1}, {0, -1, 0}, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0}};

ReleasedCopy<TriObject> BoxTriangles(BoxObject& box) {
    Object* converted = box.ConvertToType(0, TRIOBJ_CLASS_ID);
    EXPECT_NE(converted, nullptr);
    EXPECT_NE(converted, &box);
    return ReleasedCopy<TriObject>(static_cast<TriObject*>(converted));
}

std::pair<std::uint32_t, std::uint32_t> EdgeKey(std::uint32_t a, std::uint32_t b) {
    return a < b ? std::make_pair(a, b) : std::make_pair(b, a);
}

// Number of coordinates (of 3) in which two box corners differ.
int AxesApart(const Point3& a, const Point3& b) { return (a.x != b.x) + (a.y != b.y) + (a.z != b.z); }

}  // namespace

TEST(BoxPrimitive, ConvertsToTwelveTrianglesOverEightCorners) {
    BoxObject box = SampleBox();
    EXPECT_EQ(box.SuperClassID(), GEOMOBJECT_CLASS_ID);
    EXPECT_TRUE(box.CanConvertToType(TRIOBJ_CLASS_ID));
    EXPECT_TRUE(box.CanConvertToType(POLYOBJ_CLASS_ID));
    EXPECT_FALSE(box.CanConvertToType(DUMMY_CLASS_ID));
    EXPECT_EQ(box.ConvertToType(0, DUMMY_CLASS_ID), nullptr);

    auto tri = BoxTriangles(box);
    const Mesh& mesh = tri->GetMesh();
    ASSERT_EQ(mesh.getNumVerts(), 8);
    ASSERT_EQ(mesh.getNumFaces(), 12);

    std::set<std::tuple<float, float, float>> corners;
    for (int v = 0; v < 8; ++v) {
        const Point3& p = mesh.getVert(v);
        EXPECT_TRUE(p.x == -5.0f || p.x == 5.0f) << v;
        EXPECT_TRUE(p.y == -10.0f || p.y == 10.0f) << v;
        EXPECT_TRUE(p.z == 0.0f || p.z == 6.0f) << v;
        corners.insert({p.x, p.y, p.z});
    }
    EXPECT_EQ(corners.size(), 8u) << "pivot at the centre of the base, every corner once";

    for (int f = 0; f < 12; ++f) {
        const Face& face = mesh.getFace(f);
        const int side = f / 2;
        EXPECT_EQ(face.getMatID(), side) << f;
        EXPECT_EQ(face.getSmGroup(), 2u << side) << f;
        EXPECT_EQ(std::bitset<32>(face.getSmGroup()).count(), 1u) << f;
        EXPECT_TRUE(PointNear(mesh.getFaceNormal(f), kSideNormals[side])) << "face " << f << " must face outward";
    }
}

TEST(BoxPrimitive, OnlyTheSideDiagonalsAreInvisible) {
    BoxObject box = SampleBox();
    auto tri = BoxTriangles(box);
    const Mesh& mesh = tri->GetMesh();
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> visibleUses;
    for (int f = 0; f < 12; ++f) {
        const Face& face = mesh.getFace(f);
        int invisible = 0;
        for (int edge = 0; edge < 3; ++edge) {
            const std::uint32_t a = face.getVert(edge);
            const std::uint32_t b = face.getVert((edge + 1) % 3);
            const int apart = AxesApart(mesh.getVert(a), mesh.getVert(b));
            if (face.getEdgeVis(edge)) {
                EXPECT_EQ(apart, 1) << "face " << f << " shows a diagonal";
                ++visibleUses[EdgeKey(a, b)];
            } else {
                EXPECT_EQ(apart, 2) << "face " << f << " hides an outline edge";
                ++invisible;
            }
        }
        EXPECT_EQ(invisible, 1) << f;
    }
    // The 12 edges of the box, each shared by two sides.
    EXPECT_EQ(visibleUses.size(), 12u);
    for (const auto& use : visibleUses) EXPECT_EQ(use.second, 2);
}

TEST(BoxPrimitive, EverySideMapsTheWholeUnitSquare) {
    BoxObject box = SampleBox();
    auto tri = BoxTriangles(box);
    const Mesh& mesh = tri->GetMesh();
    ASSERT_TRUE(mesh.mapSupport(1));
    EXPECT_FALSE(mesh.mapSupport(0)) << "no vertex colours";
    for (int side = 0; side < 6; ++side) {
        // Each corner of the side gets one map coordinate, the same in both triangles.
        std::map<std::uint32_t, Point3> uvOfVertex;
        for (int f = 2 * side; f < 2 * side + 2; ++f) {
            for (int corner = 0; corner < 3; ++corner) {
                const Point3 uv = mesh.mapVert(1, static_cast<int>(mesh.mapFace(1, f).getTVert(corner)));
                const auto inserted = uvOfVertex.insert({mesh.getFace(f).getVert(corner), uv});
                EXPECT_EQ(inserted.first->second, uv) << "side " << side;
            }
        }
        ASSERT_EQ(uvOfVertex.size(), 4u);
        std::set<std::pair<float, float>> square;
        for (const auto& entry : uvOfVertex) {
            EXPECT_EQ(entry.second.z, 0.0f);
            square.insert({entry.second.x, entry.second.y});
        }
        EXPECT_EQ(square, (std::set<std::pair<float, float>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}})) << side;

        // Not mirrored: U then V turn counter-clockwise about the outward normal.
        const Face& face = mesh.getFace(2 * side);
        const Point3 p0 = mesh.getVert(face.getVert(0));
        Point3 uDirection;
        Point3 vDirection;
        for (const auto& entry : uvOfVertex) {
            const Point3 offset = mesh.getVert(entry.first) - p0;
            const Point3 uv0 = uvOfVertex[face.getVert(0)];
            uDirection += offset * (entry.second.x - uv0.x);
            vDirection += offset * (entry.second.y - uv0.y);
        }
        EXPECT_GT(DotProd(CrossProd(uDirection, vDirection), kSideNormals[side]), 0.0f) << side;
    }
}

TEST(BoxPrimitive, PolygonFormHasSixQuadrilaterals) {
    BoxObject box = SampleBox();
    Object* converted = box.ConvertToType(0, POLYOBJ_CLASS_ID);
    ASSERT_NE(converted, nullptr);
    ASSERT_NE(converted, &box);
    ReleasedCopy<PolyObject> polyObject(static_cast<PolyObject*>(converted));
    EXPECT_EQ(polyObject->ClassID(), POLYOBJ_CLASS_ID);
    const PolyMesh& poly = polyObject->GetMesh();
    ASSERT_EQ(poly.numVerts(), 8);
    ASSERT_EQ(poly.numFaces(), 6);
    ASSERT_TRUE(poly.mapSupport(1));
    for (int side = 0; side < 6; ++side) {
        const PolyFace& face = poly.face(side);
        ASSERT_EQ(face.deg(), 4);
        EXPECT_EQ(face.material, side);
        EXPECT_EQ(face.smGroup, 2u << side);
        const Point3 p0 = poly.vert(static_cast<int>(face.vtx(0)));
        const Point3 normal = CrossProd(poly.vert(static_cast<int>(face.vtx(1))) - p0,
                                        poly.vert(static_cast<int>(face.vtx(2))) - p0);
        EXPECT_TRUE(PointNear(normal.Normalize(), kSideNormals[side])) << side;

        const PolyMapFace& mapFace = poly.mapFace(1, side);
        ASSERT_EQ(mapFace.deg(), 4);
        std::set<std::pair<float, float>> square;
        for (int corner = 0; corner < 4; ++corner) {
            const Point3 uv = poly.mapVert(1, static_cast<int>(mapFace.tv(corner)));
            square.insert({uv.x, uv.y});
        }
        EXPECT_EQ(square.size(), 4u) << side;
    }
}

TEST(BoxPrimitive, SizeChangesReachTheMesh) {
    BoxObject box;
    EXPECT_EQ(box.GetLength(), 10.0f);
    EXPECT_EQ(box.GetWidth(), 10.0f);
    EXPECT_EQ(box.GetHeight(), 10.0f);
    box.SetWidth(2.0f);
    box.SetLength(4.0f);
    box.SetHeight(8.0f);
    auto tri = BoxTriangles(box);
    Point3 low(1e9f, 1e9f, 1e9f);
    Point3 high(-1e9f, -1e9f, -1e9f);
    for (int v = 0; v < tri->GetMesh().getNumVerts(); ++v) {
        const Point3& p = tri->GetMesh().getVert(v);
        for (int axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], p[axis]);
            high[axis] = std::max(high[axis], p[axis]);
        }
    }
    EXPECT_EQ(low, Point3(-1, -2, 0));
    EXPECT_EQ(high, Point3(1, 2, 8));
}
