#include "exporter/TextureAxes.h"
#include "PointMatchers.h"

#include "host/scene/Texmap.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

// A polygon of the given vertices with their texture coordinates (U, V).
BrushPolygon Polygon(std::initializer_list<Point3> vertices, std::initializer_list<Point3> coords) {
    BrushPolygon polygon;
    int i = 0;
    for (const Point3& vertex : vertices) polygon.vertices[i++] = vertex;
    polygon.count = i;
    i = 0;
    for (const Point3& coord : coords) polygon.textureCoords[i++] = coord;
    return polygon;
}

BitmapTex Bitmap(int width, int height) {
    BitmapTex bitmap;
    bitmap.SetSize(width, height);
    return bitmap;
}

::testing::AssertionResult HasDefaultAxes(const BrushPolygon& polygon) {
    if (polygon.origin == Point3(493.0f, 493.0f, 493.0f) && polygon.textureU == Point3(1.0f, 0.0f, 0.0f) &&
        polygon.textureV == Point3(0.0f, 1.0f, 0.0f)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "origin " << polygon.origin << ", U " << polygon.textureU << ", V "
                                         << polygon.textureV;
}

const BrushPolygon kSquareCorner = Polygon({{0.0f, 0.0f, 0.0f}, {128.0f, 0.0f, 0.0f}, {0.0f, 128.0f, 0.0f}},
                                           {{0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}});

TEST(ComputeTextureAxes, LaysTheBitmapOnThePolygonAsOnTheHostFace) {
    const BitmapTex square = Bitmap(256, 256);
    BrushPolygon corner = kSquareCorner;
    ComputeTextureAxes(corner, &square);
    EXPECT_EQ(corner.textureU, Point3(2.0f, 0.0f, 0.0f)) << corner.textureU;
    EXPECT_EQ(corner.textureV, Point3(0.0f, -2.0f, 0.0f)) << corner.textureV;
    EXPECT_EQ(corner.origin, Point3(0.0f, 0.0f, 0.0f)) << corner.origin;

    // A slanted quadrilateral with shifted, sheared coordinates: at every
    // corner the axes give back its coordinates in texels (V counted the
    // other way), so the origin is where U and V are 0.
    const BitmapTex wide = Bitmap(512, 128);
    BrushPolygon slanted = Polygon({{10.0f, 20.0f, 30.0f}, {74.0f, 20.0f, 46.0f}, {10.0f, 84.0f, 30.0f},
                                    {74.0f, 84.0f, 46.0f}},
                                   {{0.25f, 0.5f, 0.0f}, {1.25f, 0.75f, 0.0f}, {0.5f, 1.5f, 0.0f},
                                    {1.5f, 1.75f, 0.0f}});
    ComputeTextureAxes(slanted, &wide);
    for (int i = 0; i < slanted.count; ++i) {
        const Point3 offset = slanted.vertices[i] - slanted.origin;
        EXPECT_NEAR(DotProd(offset, slanted.textureU), slanted.textureCoords[i].x * 512.0f, 1e-2f) << i;
        EXPECT_NEAR(DotProd(offset, slanted.textureV), -slanted.textureCoords[i].y * 128.0f, 1e-2f) << i;
    }
    // The origin lies in the polygon's plane (z rises a quarter of x).
    EXPECT_NEAR(slanted.origin.z - 30.0f, (slanted.origin.x - 10.0f) * 0.25f, 1e-3f);
}

TEST(ComputeTextureAxes, WithoutABitmapOrItsImage) {
    BrushPolygon noBitmap = kSquareCorner;
    ComputeTextureAxes(noBitmap, nullptr);
    EXPECT_TRUE(HasDefaultAxes(noBitmap));

    // No image loaded: the size is 0 x 0, so both axes vanish.
    const BitmapTex unloaded;
    BrushPolygon noImage = kSquareCorner;
    ComputeTextureAxes(noImage, &unloaded);
    EXPECT_EQ(noImage.textureU, Point3()) << noImage.textureU;
    EXPECT_EQ(noImage.textureV, Point3()) << noImage.textureV;
    EXPECT_EQ(noImage.origin, Point3()) << noImage.origin;
}

TEST(ComputeTextureAxes, FacesSpanningNoPlaneOrNoTextureAreaGetTheDefaults) {
    const BitmapTex square = Bitmap(256, 256);
    BrushPolygon collinearVertices = Polygon({{0.0f, 0.0f, 0.0f}, {16.0f, 0.0f, 0.0f}, {48.0f, 0.0f, 0.0f}},
                                             {{0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}});
    ComputeTextureAxes(collinearVertices, &square);
    EXPECT_TRUE(HasDefaultAxes(collinearVertices));

    BrushPolygon samePoint = Polygon({{5.0f, 5.0f, 5.0f}, {5.0f, 5.0f, 5.0f}, {5.0f, 5.0f, 5.0f}},
                                     {{0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}});
    ComputeTextureAxes(samePoint, &square);
    EXPECT_TRUE(HasDefaultAxes(samePoint));

    BrushPolygon collinearCoords = Polygon({{0.0f, 0.0f, 0.0f}, {128.0f, 0.0f, 0.0f}, {0.0f, 128.0f, 0.0f}},
                                           {{0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 0.0f}, {2.0f, 2.0f, 0.0f}});
    ComputeTextureAxes(collinearCoords, &square);
    EXPECT_TRUE(HasDefaultAxes(collinearCoords));

    // Two corners: the third slot holds another face's vertex.
    BrushPolygon twoCorners = kSquareCorner;
    twoCorners.count = 2;
    ComputeTextureAxes(twoCorners, &square);
    EXPECT_TRUE(HasDefaultAxes(twoCorners));
}

}  // namespace
