#include "exporter/BrushFaces.h"
#include "BrushMeshes.h"
#include "PointMatchers.h"

#include "host/math/Angles.h"
#include "tests/exporter/records/RecordFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

const Point3 kOrigin(0.0f, 0.0f, 0.0f);
const Point3 kAlongX(10.0f, 0.0f, 0.0f);
const Point3 kAlongY(0.0f, 10.0f, 0.0f);
const Matrix3 kIdentity;

class BrushFacesTest : public RecordTest {
protected:
    TextureList Textures(Mtl* material) {
        TextureList list;
        list.BuildTextureList(material, registry, writer, "Castle_T", "Misc", *GetCoreInterface());
        return list;
    }
    // A multi/sub-object material whose sub-material 0 has a diffuse bitmap
    // in map channel 1 and sub-material 1 none.
    Mtl* HalfMapped() {
        auto* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
        multi->AddSubMtl(Standard(Bitmap("C:\\tex\\Bricks.bmp")));
        multi->AddSubMtl(Standard(nullptr));
        return multi;
    }

};

TEST_F(BrushFacesTest, TriangleCornersComeOneZeroTwoInMapCoordinates) {
    const TextureList none = Textures(nullptr);
    BrushPolygon polygon;
    ConvertFace(TriangleMesh(kOrigin, kAlongX, kAlongY, 7), 0, kIdentity, none, polygon);
    ASSERT_EQ(polygon.count, 3);
    EXPECT_EQ(polygon.vertices[0], Point3(-10.0f, 0.0f, 0.0f)) << polygon.vertices[0];
    EXPECT_EQ(polygon.vertices[1], Point3(0.0f, 0.0f, 0.0f)) << polygon.vertices[1];
    EXPECT_EQ(polygon.vertices[2], Point3(0.0f, 10.0f, 0.0f)) << polygon.vertices[2];
    EXPECT_EQ(polygon.normal, Point3(0.0f, 0.0f, 1.0f)) << polygon.normal;
    EXPECT_EQ(polygon.materialId, 7);

    // Moved to world space first, then mirrored; the normal stays the
    // object's own.
    const Matrix3 turnedAndMoved = RotateXMatrix(HALFPI) * TransMatrix(Point3(5.0f, 6.0f, 7.0f));
    ConvertFace(TriangleMesh(kOrigin, kAlongX, kAlongY), 0, turnedAndMoved, none, polygon);
    EXPECT_TRUE(Near(polygon.vertices[0], Point3(-15.0f, 6.0f, 7.0f)));
    EXPECT_TRUE(Near(polygon.vertices[1], Point3(-5.0f, 6.0f, 7.0f)));
    EXPECT_TRUE(Near(polygon.vertices[2], Point3(-5.0f, 6.0f, 17.0f)));
    EXPECT_EQ(polygon.normal, Point3(0.0f, 0.0f, 1.0f)) << polygon.normal;
}

TEST_F(BrushFacesTest, TriangleTextureCoordinatesComeFromTheDiffuseChannel) {
    Mesh mesh = TriangleMesh(kOrigin, kAlongX, kAlongY);
    MapTriangle(mesh, 1, {0.0f, 0.0f, 0.0f}, {9.0f, 9.0f, 0.0f}, {9.0f, 9.0f, 0.0f});
    MapTriangle(mesh, 3, {0.1f, 0.2f, 0.0f}, {0.3f, 0.4f, 0.0f}, {0.5f, 0.6f, 0.0f});
    BrushPolygon polygon;
    ConvertFace(mesh, 0, kIdentity, Textures(Standard(Bitmap("C:\\tex\\Bricks.bmp", 3))), polygon);
    EXPECT_EQ(polygon.textureCoords[0], UVVert(0.3f, 0.4f, 0.0f)) << polygon.textureCoords[0];
    EXPECT_EQ(polygon.textureCoords[1], UVVert(0.1f, 0.2f, 0.0f)) << polygon.textureCoords[1];
    EXPECT_EQ(polygon.textureCoords[2], UVVert(0.5f, 0.6f, 0.0f)) << polygon.textureCoords[2];

    // The face's material has no diffuse bitmap: the bitmap once across it.
    const TextureList halfMapped = Textures(HalfMapped());
    Mesh unmappedMaterial = TriangleMesh(kOrigin, kAlongX, kAlongY, 1);
    MapTriangle(unmappedMaterial, 1, {0.3f, 0.4f, 0.0f}, {0.3f, 0.4f, 0.0f}, {0.3f, 0.4f, 0.0f});
    ConvertFace(unmappedMaterial, 0, kIdentity, halfMapped, polygon);
    EXPECT_EQ(polygon.textureCoords[0], UVVert(0.0f, 0.0f, 0.0f)) << polygon.textureCoords[0];
    EXPECT_EQ(polygon.textureCoords[1], UVVert(1.0f, 0.0f, 0.0f)) << polygon.textureCoords[1];
    EXPECT_EQ(polygon.textureCoords[2], UVVert(0.0f, 1.0f, 0.0f)) << polygon.textureCoords[2];

    // The bitmap's channel holds no coordinates in this mesh: the same
    // defaults, not the previous face's coordinates.
    ConvertFace(mesh, 0, kIdentity, Textures(Standard(Bitmap("C:\\tex\\Bricks.bmp", 3))), polygon);
    Mesh noMapVertices = TriangleMesh(kOrigin, kAlongX, kAlongY);
    noMapVertices.setMapSupport(1);
    ConvertFace(noMapVertices, 0, kIdentity, halfMapped, polygon);
    EXPECT_EQ(polygon.textureCoords[0], UVVert(0.0f, 0.0f, 0.0f)) << polygon.textureCoords[0];
    EXPECT_EQ(polygon.textureCoords[1], UVVert(1.0f, 0.0f, 0.0f)) << polygon.textureCoords[1];
    EXPECT_EQ(polygon.textureCoords[2], UVVert(0.0f, 1.0f, 0.0f)) << polygon.textureCoords[2];
}

// One polygon of 40 corners, corner j at (j, 2j, 3j) with map vertex
// (j / 64, 1 - j / 64) in channel 1.
PolyMesh FortyCorners() {
    PolyMesh mesh;
    mesh.setMapSupport(1);
    std::vector<std::uint32_t> corners;
    for (int j = 0; j < 40; ++j) {
        const float f = static_cast<float>(j);
        corners.push_back(static_cast<std::uint32_t>(mesh.addVert(Point3(f, 2.0f * f, 3.0f * f))));
        mesh.addMapVert(1, UVVert(f / 64.0f, 1.0f - f / 64.0f, 0.0f));
    }
    mesh.addFace(corners, 4);
    mesh.setMapFace(1, 0, corners);
    return mesh;
}

TEST_F(BrushFacesTest, PolygonKeepsItsFirstThirtyTwoCornersReversed) {
    BrushPolygon polygon;
    ASSERT_TRUE(ConvertFace(FortyCorners(), 0, kIdentity, Textures(Standard(Bitmap("C:\\tex\\Bricks.bmp"))), polygon));
    ASSERT_EQ(polygon.count, 32);
    for (int k = 0; k < 32; ++k) {
        const float j = static_cast<float>(31 - k);
        EXPECT_EQ(polygon.vertices[k], Point3(-j, 2.0f * j, 3.0f * j)) << k << ": " << polygon.vertices[k];
        EXPECT_EQ(polygon.textureCoords[k], UVVert(j / 64.0f, 1.0f - j / 64.0f, 0.0f)) << k;
    }
    EXPECT_EQ(polygon.normal, Point3(1.0f, 1.0f, 1.0f)) << polygon.normal;
    EXPECT_EQ(polygon.materialId, 4);
}

TEST_F(BrushFacesTest, PolygonWithoutCoordinatesOrCornersTakesNothingOver) {
    const TextureList bricks = Textures(Standard(Bitmap("C:\\tex\\Bricks.bmp")));
    BrushPolygon polygon;
    ASSERT_TRUE(ConvertFace(FortyCorners(), 0, kIdentity, bricks, polygon));

    // A quadrilateral whose mesh has map faces but no map vertices in the
    // bitmap's channel: zeros, not what the previous polygon left.
    PolyMesh quad = QuadMesh();
    quad.setMapSupport(1);
    ASSERT_TRUE(ConvertFace(quad, 0, kIdentity, bricks, polygon));
    ASSERT_EQ(polygon.count, 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(polygon.textureCoords[k], UVVert()) << k;
    EXPECT_EQ(polygon.vertices[0], Point3(0.0f, 10.0f, 0.0f)) << polygon.vertices[0];
    EXPECT_EQ(polygon.vertices[3], Point3(0.0f, 0.0f, 0.0f)) << polygon.vertices[3];

    // A polygon without corners fails and leaves the polygon as it was.
    quad.addFace({});
    EXPECT_FALSE(ConvertFace(quad, 1, kIdentity, bricks, polygon));
    EXPECT_EQ(polygon.count, 4);
    EXPECT_EQ(polygon.vertices[0], Point3(0.0f, 10.0f, 0.0f)) << polygon.vertices[0];
}

}  // namespace
