#include "host/display/ViewExp.h"

#include <gtest/gtest.h>

TEST(ViewExp, SnapsTheMouseOntoTheConstructionPlane) {
    ViewExp vpt(ViewProjection(200, 100, 2.0f, Point3(10, 10, 0)));
    IPoint2 out;
    EXPECT_EQ(vpt.SnapPoint(IPoint2(120, 40), out), Point3(20, 15, 0));
    EXPECT_EQ(out, IPoint2(120, 40));

    // A plane raised by 5 and turned a quarter about Z: the answer is in its
    // coordinates, and shows where the mouse is.
    const Matrix3 plane = RotateZMatrix(1.57079632679f) * TransMatrix(Point3(0, 0, 5));
    const Point3 local = vpt.SnapPoint(IPoint2(120, 40), out, &plane);
    EXPECT_NEAR(local.x, 15.0f, 1e-4f);
    EXPECT_NEAR(local.y, -20.0f, 1e-4f);
    EXPECT_EQ(local.z, 0.0f);
    EXPECT_EQ(out, IPoint2(120, 40));
}
