#include "host/math/Point3.h"

#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

TEST(Point3, ArithmeticAndIndexing) {
    const Point3 a(1.0f, 2.0f, 3.0f);
    const Point3 b(4.0f, -5.0f, 6.0f);
    EXPECT_EQ(a + b, Point3(5.0f, -3.0f, 9.0f));
    EXPECT_EQ(a - b, Point3(-3.0f, 7.0f, -3.0f));
    EXPECT_EQ(-a, Point3(-1.0f, -2.0f, -3.0f));
    EXPECT_EQ(a * b, Point3(4.0f, -10.0f, 18.0f));
    EXPECT_EQ(a * 2.0f, Point3(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(2.0f * a, a * 2.0f);
    EXPECT_EQ(b / 2.0f, Point3(2.0f, -2.5f, 3.0f));
    EXPECT_NE(a, b);

    Point3 p = a;
    p += b;
    p -= a;
    EXPECT_EQ(p, b);
    p *= 2.0f;
    p /= 4.0f;
    EXPECT_EQ(p, Point3(2.0f, -2.5f, 3.0f));

    EXPECT_EQ(a[0], 1.0f);
    EXPECT_EQ(a[1], 2.0f);
    EXPECT_EQ(a[2], 3.0f);
    p[1] = 7.0f;
    EXPECT_EQ(p.y, 7.0f);
}

TEST(Point3, ProductsAndLength) {
    const Point3 x(1.0f, 0.0f, 0.0f);
    const Point3 y(0.0f, 1.0f, 0.0f);
    const Point3 z(0.0f, 0.0f, 1.0f);
    // Right-handed: x cross y is z, and the product is anti-commutative.
    EXPECT_EQ(CrossProd(x, y), z);
    EXPECT_EQ(CrossProd(y, z), x);
    EXPECT_EQ(CrossProd(z, x), y);
    EXPECT_EQ(CrossProd(y, x), -z);
    EXPECT_EQ(DotProd(Point3(1.0f, 2.0f, 3.0f), Point3(4.0f, -5.0f, 6.0f)), 12.0f);

    const Point3 p(3.0f, 4.0f, 12.0f);
    EXPECT_FLOAT_EQ(p.Length(), 13.0f);
    EXPECT_FLOAT_EQ(p.LengthSquared(), 169.0f);
    EXPECT_TRUE(PointNear(p.Normalize(), p / 13.0f, 1e-7f));
    EXPECT_TRUE(PointNear(FNormalize(p), p / 13.0f, 1e-6f));
    // Components whose squares overflow a float still have a length.
    EXPECT_FLOAT_EQ(Point3(3e30f, 4e30f, 0.0f).Length(), 5e30f);
    EXPECT_TRUE(PointNear(Point3(3e30f, 4e30f, 0.0f).Normalize(), Point3(0.6f, 0.8f, 0.0f)));
    // Nothing to normalise: zero stays zero rather than turning into NaN.
    EXPECT_EQ(Point3().Normalize(), Point3());
    EXPECT_EQ(FNormalize(Point3()), Point3());
}
