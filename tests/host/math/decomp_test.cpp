#include "host/math/Angles.h"
#include "host/math/Decomp.h"

#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

#include <random>

namespace {

AffineParts Decompose(const Matrix3& m) {
    AffineParts parts;
    decomp_affine(m, &parts);
    return parts;
}

// The transform the parts stand for, in the order decomp_affine documents.
Matrix3 Recompose(const AffineParts& parts) {
    const Matrix3 stretchAxes = RotateQuatMatrix(parts.u);
    return Inverse(stretchAxes) * ScaleMatrix(parts.k) * stretchAxes * RotateQuatMatrix(parts.q) *
           ScaleMatrix({parts.f, parts.f, parts.f}) * TransMatrix(parts.t);
}

bool AllFinite(const AffineParts& parts) {
    return IsFinite(parts.t) && IsFinite(parts.k) && std::isfinite(parts.f) &&
           IsFinite({parts.q.x, parts.q.y, parts.q.z}) && std::isfinite(parts.q.w) &&
           IsFinite({parts.u.x, parts.u.y, parts.u.z}) && std::isfinite(parts.u.w);
}

}  // namespace

TEST(DecompAffine, Identity) {
    const AffineParts parts = Decompose(Matrix3());
    EXPECT_EQ(parts.t, Point3());
    EXPECT_TRUE(SameRotation(parts.q, Quat(), 1e-7f));
    EXPECT_TRUE(PointNear(parts.k, {1, 1, 1}, 1e-7f));
    EXPECT_EQ(parts.f, 1.0f);
}

TEST(DecompAffine, TranslationRotationAndScale) {
    std::mt19937 random(31);
    std::uniform_real_distribution<float> angle(-3.0f, 3.0f);
    std::uniform_real_distribution<float> size(0.1f, 10.0f);
    std::uniform_real_distribution<float> offset(-100.0f, 100.0f);
    for (int i = 0; i < 300; ++i) {
        const Point3 scale(size(random), size(random), size(random));
        const Matrix3 rotation = RotateXYZMatrix(angle(random), angle(random), angle(random));
        const Point3 trans(offset(random), offset(random), offset(random));
        const Matrix3 m = ScaleMatrix(scale) * rotation * TransMatrix(trans);
        const AffineParts parts = Decompose(m);
        // A node's own scale stays on its own axes, in their order.
        EXPECT_EQ(parts.t, trans);
        EXPECT_TRUE(PointNear(parts.k, scale, 2e-5f)) << scale;
        EXPECT_TRUE(SameRotation(parts.u, Quat(), 1e-5f)) << scale;
        EXPECT_TRUE(SameRotation(parts.q, Quat(rotation), 1e-5f)) << scale;
        EXPECT_EQ(parts.f, 1.0f);
        EXPECT_TRUE(MatrixNear(Recompose(parts), m, 5e-5f));
    }
    // Uniform scale: the stretch axes are free, the factors are not.
    const AffineParts uniform = Decompose(ScaleMatrix({3, 3, 3}) * RotateZMatrix(1.0f));
    EXPECT_TRUE(PointNear(uniform.k, {3, 3, 3}));
    EXPECT_TRUE(SameRotation(uniform.q, QFromAngAxis(1.0f, {0, 0, 1})));
}

TEST(DecompAffine, ShearFromAStretchedParent) {
    // A turned child under a non-uniformly scaled parent: the stretch is no
    // longer along the child's axes, and only the documented product rebuilds it.
    std::mt19937 random(37);
    std::uniform_real_distribution<float> angle(-3.0f, 3.0f);
    std::uniform_real_distribution<float> size(0.2f, 5.0f);
    for (int i = 0; i < 300; ++i) {
        const Matrix3 child = RotateXYZMatrix(angle(random), angle(random), angle(random));
        const Matrix3 parent = ScaleMatrix({size(random), size(random), size(random)}) *
                               RotateXYZMatrix(angle(random), angle(random), angle(random));
        const Matrix3 m = child * parent * TransMatrix({1, 2, 3});
        const AffineParts parts = Decompose(m);
        EXPECT_TRUE(MatrixNear(Recompose(parts), m, 1e-5f)) << m;
        EXPECT_GE(parts.k.x, 0.0f);
        EXPECT_GE(parts.k.y, 0.0f);
        EXPECT_GE(parts.k.z, 0.0f);
        EXPECT_EQ(parts.f, 1.0f);
    }
}

TEST(DecompAffine, Mirroring) {
    // One mirrored axis: a half turn about it and all three factors of F x K negative.
    const AffineParts x = Decompose(ScaleMatrix({-1, 1, 1}));
    EXPECT_EQ(x.f, -1.0f);
    EXPECT_TRUE(PointNear(x.k, {1, 1, 1}));
    EXPECT_TRUE(SameRotation(x.q, QFromAngAxis(PI, {1, 0, 0})));
    EXPECT_TRUE(PointNear(x.k * x.f, {-1, -1, -1}));

    const AffineParts all = Decompose(ScaleMatrix({-1, -1, -1}));
    EXPECT_EQ(all.f, -1.0f);
    EXPECT_TRUE(PointNear(all.k, {1, 1, 1}));
    EXPECT_TRUE(SameRotation(all.q, Quat()));

    // Two mirrored axes are a half turn, not a mirror.
    const AffineParts two = Decompose(ScaleMatrix({-1, -1, 1}));
    EXPECT_EQ(two.f, 1.0f);
    EXPECT_TRUE(SameRotation(two.q, QFromAngAxis(PI, {0, 0, 1})));

    std::mt19937 random(41);
    std::uniform_real_distribution<float> angle(-3.0f, 3.0f);
    for (int i = 0; i < 100; ++i) {
        const Matrix3 m = ScaleMatrix({2, -3, 0.5f}) * RotateXYZMatrix(angle(random), angle(random), angle(random)) *
                          TransMatrix({7, 8, 9});
        const AffineParts parts = Decompose(m);
        EXPECT_EQ(parts.f, -1.0f);
        EXPECT_TRUE(PointNear(parts.k, {2, 3, 0.5f}, 1e-4f));
        EXPECT_TRUE(MatrixNear(Recompose(parts), m, 1e-4f));
    }
}

TEST(DecompAffine, ZeroScaleStaysFinite) {
    const Matrix3 turn = RotateXYZMatrix(0.7f, -0.4f, 2.2f);
    const Matrix3 flat[] = {ScaleMatrix({0, 1, 1}),
                            ScaleMatrix({0, 2, 3}) * turn * TransMatrix({1, 2, 3}),
                            ScaleMatrix({0, 0, 2}) * turn,
                            turn * ScaleMatrix({4, 0, 0}),
                            ScaleMatrix({0, 0, 0}) * TransMatrix({5, 6, 7}),
                            Matrix3({1, 2, 3}, {2, 4, 6}, {-1, -2, -3}, {})};
    for (const Matrix3& m : flat) {
        const AffineParts parts = Decompose(m);
        ASSERT_TRUE(AllFinite(parts)) << m;
        EXPECT_EQ(parts.f, 1.0f) << m;
        EXPECT_TRUE(MatrixNear(Recompose(parts), m, 1e-4f)) << m;
    }
    const AffineParts none = Decompose(ScaleMatrix({0, 0, 0}));
    EXPECT_EQ(none.k, Point3());
    EXPECT_TRUE(SameRotation(none.q, Quat()));
}
