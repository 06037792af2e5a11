#include "host/math/Box3.h"

#include <gtest/gtest.h>

namespace {

constexpr float kQuarterTurn = 1.57079632679f;

void ExpectNear(const Point3& actual, const Point3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

}  // namespace

TEST(Box3, StartsEmptyAndGrowsToWhatIsAdded) {
    Box3 box;
    EXPECT_TRUE(box.IsEmpty());
    box += Point3(1, 2, 3);
    box += Point3(-1, 5, 0);
    box += Box3();  // an empty box adds nothing
    EXPECT_EQ(box.Min(), Point3(-1, 2, 0));
    EXPECT_EQ(box.Max(), Point3(1, 5, 3));
    EXPECT_EQ(box[5], Point3(1, 2, 3)) << "corner bits 0 and 2: maximum x and z";
    EXPECT_TRUE((Box3() * TransMatrix(Point3(1, 2, 3))).IsEmpty());
    EXPECT_TRUE(TransformMinMax(Box3(), TransMatrix(Point3(1, 2, 3))).IsEmpty());
}

TEST(Box3, AllCornersEncloseATurnedBoxWhereMinAndMaxAloneDoNot) {
    const Box3 box(Point3(0, 0, 0), Point3(2, 1, 1));
    const Matrix3 turn = RotateZMatrix(kQuarterTurn) * TransMatrix(Point3(10, 0, 0));
    const Box3 turned = box * turn;
    ExpectNear(turned.Min(), Point3(9, 0, 0));
    ExpectNear(turned.Max(), Point3(10, 2, 1));

    // At 45 degrees the square's min and max corners land on one vertical line.
    const Matrix3 diagonal = RotateZMatrix(kQuarterTurn / 2);
    const Box3 square(Point3(0, 0, 0), Point3(1, 1, 0));
    EXPECT_NEAR((square * diagonal).Width().x, 1.41421356f, 1e-5f);
    EXPECT_NEAR(TransformMinMax(square, diagonal).Width().x, 0.0f, 1e-5f);
    ExpectNear(TransformMinMax(box, TransMatrix(Point3(0, 0, 5))).Max(), Point3(2, 1, 6));
}
