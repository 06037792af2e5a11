#include "host/math/Angles.h"
#include "host/math/Matrix3.h"

#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const Point3 kX(1.0f, 0.0f, 0.0f);
const Point3 kY(0.0f, 1.0f, 0.0f);
const Point3 kZ(0.0f, 0.0f, 1.0f);

Matrix3 RandomAffine(std::mt19937& random) {
    std::uniform_real_distribution<float> value(-3.0f, 3.0f);
    Matrix3 m;
    for (int i = 0; i < 4; ++i) {
        m.SetRow(i, {value(random), value(random), value(random)});
    }
    return m;
}

}  // namespace

TEST(Matrix3, IdentityAndRows) {
    const Matrix3 identity;
    EXPECT_EQ(identity.GetRow(0), kX);
    EXPECT_EQ(identity.GetRow(1), kY);
    EXPECT_EQ(identity.GetRow(2), kZ);
    EXPECT_EQ(identity.GetTrans(), Point3());
    const Point3 p(1.5f, -2.0f, 7.0f);
    EXPECT_EQ(p * identity, p);
    EXPECT_FALSE(identity.Parity());

    Matrix3 m(Point3(1, 2, 3), Point3(4, 5, 6), Point3(7, 8, 10), Point3(-1, -2, -3));
    EXPECT_EQ(m.GetRow(2), Point3(7, 8, 10));
    EXPECT_EQ(m.GetRow(3), m.GetTrans());
    m.SetTrans({9, 9, 9});
    EXPECT_EQ(m.GetRow(3), Point3(9, 9, 9));
    m.SetRow(1, {0, 0, 0});
    EXPECT_EQ(m.GetRow(1), Point3());
    EXPECT_NE(m, identity);
    m.IdentityMatrix();
    EXPECT_EQ(m, identity);
}

TEST(Matrix3, PointAndVectorTransform) {
    // Each row is the image of its axis; the translation moves points only.
    const Matrix3 m(Point3(1, 2, 3), Point3(4, 5, 6), Point3(7, 8, 10), Point3(-1, -2, -3));
    EXPECT_EQ(kX * m, Point3(0, 0, 0));
    EXPECT_EQ(kY * m, Point3(3, 3, 3));
    EXPECT_EQ(Point3(1, 1, 1) * m, Point3(11, 13, 16));
    EXPECT_EQ(VectorTransform(m, Point3(1, 1, 1)), Point3(12, 15, 19));
    EXPECT_EQ(VectorTransform(m, kZ), Point3(7, 8, 10));
    EXPECT_EQ(Point3(2, 0, 0) * TransMatrix({1, 2, 3}), Point3(3, 2, 3));
    EXPECT_EQ(VectorTransform(TransMatrix({1, 2, 3}), Point3(2, 0, 0)), Point3(2, 0, 0));
    EXPECT_EQ(Point3(1, 1, 1) * ScaleMatrix({2, -3, 4}), Point3(2, -3, 4));
}

TEST(Matrix3, QuarterTurnsAreCounterClockwise) {
    const float quarter = HALFPI;
    // Looking from the positive axis toward the origin, a positive quarter
    // turn takes the next axis round: x to y about Z, y to z about X, z to x about Y.
    EXPECT_TRUE(PointNear(kX * RotateZMatrix(quarter), kY));
    EXPECT_TRUE(PointNear(kY * RotateZMatrix(quarter), -kX));
    EXPECT_TRUE(PointNear(kY * RotateXMatrix(quarter), kZ));
    EXPECT_TRUE(PointNear(kZ * RotateXMatrix(quarter), -kY));
    EXPECT_TRUE(PointNear(kZ * RotateYMatrix(quarter), kX));
    EXPECT_TRUE(PointNear(kX * RotateYMatrix(quarter), -kZ));
    // The axis itself stays put.
    EXPECT_TRUE(PointNear(kZ * RotateZMatrix(quarter), kZ));
    EXPECT_TRUE(PointNear(kX * RotateXMatrix(quarter), kX));
    EXPECT_TRUE(PointNear(kY * RotateYMatrix(quarter), kY));
    EXPECT_TRUE(PointNear(kX * RotateZMatrix(-quarter), -kY));
}

TEST(Matrix3, ProductAppliesLeftThenRight) {
    const Matrix3 move = TransMatrix({1, 0, 0});
    const Matrix3 turn = RotateZMatrix(HALFPI);
    // Moved to (1,0,0), then turned about the origin: (0,1,0).
    EXPECT_TRUE(PointNear(Point3() * (move * turn), kY));
    // Turned in place, then moved.
    EXPECT_TRUE(PointNear(Point3() * (turn * move), kX));
    EXPECT_TRUE(PointNear(Point3(1, 1, 1) * (ScaleMatrix({2, 2, 2}) * move), Point3(3, 2, 2)));

    std::mt19937 random(7);
    for (int i = 0; i < 50; ++i) {
        const Matrix3 a = RandomAffine(random);
        const Matrix3 b = RandomAffine(random);
        const Point3 p(0.5f, -1.25f, 2.0f);
        EXPECT_TRUE(PointNear(p * (a * b), (p * a) * b, 1e-4f));
        Matrix3 c = a;
        c *= b;
        EXPECT_EQ(c, a * b);
    }
}

TEST(Matrix3, EulerBuilderTurnsAboutXThenYThenZ) {
    // y turns to z about X first, and z to x about Y next; the other order
    // would leave y in place for Y and end at z.
    EXPECT_TRUE(PointNear(kY * RotateXYZMatrix(HALFPI, HALFPI, 0.0f), kX));
    EXPECT_TRUE(PointNear(kX * RotateXYZMatrix(0.0f, HALFPI, HALFPI), -kZ));
    EXPECT_TRUE(PointNear(kZ * RotateXYZMatrix(HALFPI, 0.0f, HALFPI), kX));
    EXPECT_TRUE(MatrixNear(RotateXYZMatrix(0.3f, -1.1f, 2.5f),
                           RotateXMatrix(0.3f) * RotateYMatrix(-1.1f) * RotateZMatrix(2.5f)));
    EXPECT_TRUE(MatrixNear(RotateXYZMatrix(0.0f, 0.0f, DegToRad(90.0f)), RotateZMatrix(HALFPI)));
}

TEST(Matrix3, InverseUndoesTheTransform) {
    std::mt19937 random(11);
    for (int i = 0; i < 100; ++i) {
        const Matrix3 m = RandomAffine(random);
        EXPECT_TRUE(MatrixNear(Inverse(m) * m, Matrix3(), 2e-3f)) << m;
        EXPECT_TRUE(MatrixNear(m * Inverse(m), Matrix3(), 2e-3f)) << m;
    }
    const Matrix3 placed = ScaleMatrix({2, 3, -4}) * RotateXYZMatrix(0.4f, 1.2f, -2.0f) * TransMatrix({5, -6, 7});
    EXPECT_TRUE(MatrixNear(Inverse(placed),
                           TransMatrix({-5, 6, -7}) * RotateZMatrix(2.0f) * RotateYMatrix(-1.2f) * RotateXMatrix(-0.4f) *
                               ScaleMatrix({0.5f, 1.0f / 3.0f, -0.25f})));
    // A flattened transform has no inverse.
    EXPECT_EQ(Inverse(ScaleMatrix({1, 0, 1}) * TransMatrix({1, 2, 3})), Matrix3());
}

TEST(Matrix3, ParityDetectsMirroring) {
    EXPECT_TRUE(ScaleMatrix({-1, 1, 1}).Parity());
    EXPECT_TRUE(ScaleMatrix({1, 1, -1}).Parity());
    EXPECT_TRUE(ScaleMatrix({-1, -1, -1}).Parity());
    EXPECT_FALSE(ScaleMatrix({-1, -1, 1}).Parity());
    EXPECT_FALSE(RotateXYZMatrix(3.0f, -2.0f, 1.0f).Parity());
    EXPECT_TRUE((RotateZMatrix(1.0f) * ScaleMatrix({2, -0.5f, 3}) * TransMatrix({1, 2, 3})).Parity());
    EXPECT_FALSE(ScaleMatrix({0, 1, 1}).Parity());
}
