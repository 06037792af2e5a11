#include "exporter/BrushSnap.h"
#include "PointMatchers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr std::int32_t kGrid16 = 4;
constexpr std::int32_t kGrid1 = 0;

TEST(SnapCoordinate, RoundsTheWholePartToTheNearestGridLineHalfWayTowardZero) {
    EXPECT_EQ(SnapCoordinate(7.9f, kGrid16), 0.0f);
    EXPECT_EQ(SnapCoordinate(8.0f, kGrid16), 0.0f);
    EXPECT_EQ(SnapCoordinate(9.0f, kGrid16), 16.0f);
    EXPECT_EQ(SnapCoordinate(40.0f, kGrid16), 32.0f);
    EXPECT_EQ(SnapCoordinate(41.0f, kGrid16), 48.0f);
    // The fraction goes before rounding: 24.9 is 24, half-way.
    EXPECT_EQ(SnapCoordinate(24.9f, kGrid16), 16.0f);

    // Negative values mirror the positive ones.
    EXPECT_EQ(SnapCoordinate(-24.5f, kGrid16), -16.0f);
    EXPECT_EQ(SnapCoordinate(-40.0f, kGrid16), -32.0f);
    EXPECT_EQ(SnapCoordinate(-41.0f, kGrid16), -48.0f);
    // Zero counts as positive: no negative zero.
    EXPECT_FALSE(std::signbit(SnapCoordinate(-8.0f, kGrid16)));
    EXPECT_FALSE(std::signbit(SnapCoordinate(-0.5f, kGrid16)));

    // Grid 1 only truncates.
    EXPECT_EQ(SnapCoordinate(2.7f, kGrid1), 2.0f);
    EXPECT_EQ(SnapCoordinate(-2.7f, kGrid1), -2.0f);
    EXPECT_EQ(SnapCoordinate(5.0f, kGrid1), 5.0f);
}

TEST(SnapCoordinate, GridExponentCountsModuloThirtyTwo) {
    EXPECT_EQ(SnapCoordinate(41.0f, 36), 48.0f);
    EXPECT_EQ(SnapCoordinate(41.0f, -28), 48.0f);
    // The largest grid, 2^31, and values past the range of 32-bit integers.
    EXPECT_EQ(SnapCoordinate(3.0e9f, 31), 2147483648.0f);
    EXPECT_EQ(SnapCoordinate(-5.0e9f, 31), -4294967296.0f);
    EXPECT_EQ(SnapCoordinate(1.0e20f, kGrid16), 1.0e20f);
}

TEST(SnapToGrid, SnapsEveryCoordinateOfEveryVertex) {
    BrushPolygon polygon;
    polygon.count = 2;
    polygon.vertices[0] = Point3(7.9f, 9.0f, -24.5f);
    polygon.vertices[1] = Point3(41.0f, -41.0f, 40.0f);
    SnapToGrid(polygon, kGrid16);
    EXPECT_EQ(polygon.vertices[0], Point3(0.0f, 16.0f, -16.0f)) << polygon.vertices[0];
    EXPECT_EQ(polygon.vertices[1], Point3(48.0f, -48.0f, 32.0f)) << polygon.vertices[1];
}

}  // namespace
