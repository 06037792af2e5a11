#include "host/math/Angles.h"
#include "host/math/Quat.h"

#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const Point3 kX(1.0f, 0.0f, 0.0f);
const Point3 kY(0.0f, 1.0f, 0.0f);
const Point3 kZ(0.0f, 0.0f, 1.0f);

Quat RandomRotation(std::mt19937& random) {
    std::uniform_real_distribution<float> component(-1.0f, 1.0f);
    std::uniform_real_distribution<float> angle(-PI, PI);
    return QFromAngAxis(angle(random), {component(random), component(random), component(random)});
}

}  // namespace

TEST(Quat, AxisAngleIsRightHanded) {
    const Quat z90 = QFromAngAxis(HALFPI, kZ);
    EXPECT_NEAR(z90.x, 0.0f, 1e-7f);
    EXPECT_NEAR(z90.y, 0.0f, 1e-7f);
    EXPECT_NEAR(z90.z, std::sqrt(0.5f), 1e-7f);
    EXPECT_NEAR(z90.w, std::sqrt(0.5f), 1e-7f);
    // The same quarter turns as the matrix builders, about every axis.
    EXPECT_TRUE(MatrixNear(RotateQuatMatrix(QFromAngAxis(HALFPI, kX)), RotateXMatrix(HALFPI)));
    EXPECT_TRUE(MatrixNear(RotateQuatMatrix(QFromAngAxis(HALFPI, kY)), RotateYMatrix(HALFPI)));
    EXPECT_TRUE(MatrixNear(RotateQuatMatrix(z90), RotateZMatrix(HALFPI)));
    EXPECT_TRUE(PointNear(kX * RotateQuatMatrix(z90), kY));
    // A scene's literal quaternion, slightly off unit length, is the [0,0,90] turn.
    EXPECT_TRUE(MatrixNear(RotateQuatMatrix(Quat(0.0f, 0.0f, 0.7071068f, 0.7071068f)),
                           RotateXYZMatrix(0.0f, 0.0f, DegToRad(90.0f))));
    // The axis need not be unit length; a zero axis means no turn.
    EXPECT_TRUE(SameRotation(QFromAngAxis(1.0f, {0.0f, 0.0f, 5.0f}), QFromAngAxis(1.0f, kZ)));
    EXPECT_EQ(QFromAngAxis(1.0f, Point3()), Quat());
    EXPECT_EQ(RotateQuatMatrix(Quat()), Matrix3());
    EXPECT_TRUE(MatrixNear(RotateQuatMatrix(QFromAngAxis(PI, {1.0f, 1.0f, 0.0f})),
                           Matrix3(kY, kX, -kZ, Point3())));
}

TEST(Quat, MatrixRoundTripOnEveryBranch) {
    // Half turns make the trace -1, so the conversion must pick the largest
    // diagonal term instead; each axis exercises one branch.
    const Quat halfTurns[] = {QFromAngAxis(PI, kX), QFromAngAxis(PI, kY), QFromAngAxis(PI, kZ),
                              QFromAngAxis(PI, {1.0f, 1.0f, 0.0f}), QFromAngAxis(3.0f, {-1.0f, 2.0f, 3.0f})};
    for (const Quat& q : halfTurns) {
        EXPECT_TRUE(SameRotation(Quat(RotateQuatMatrix(q)), q));
    }
    std::mt19937 random(3);
    for (int i = 0; i < 200; ++i) {
        const Quat q = RandomRotation(random);
        const Quat back(RotateQuatMatrix(q));
        EXPECT_TRUE(SameRotation(back, q));
        EXPECT_NEAR(back.x * back.x + back.y * back.y + back.z * back.z + back.w * back.w, 1.0f, 1e-6f);
    }
    // The translation does not take part.
    EXPECT_TRUE(SameRotation(Quat(RotateZMatrix(0.5f) * TransMatrix({4, 5, 6})), QFromAngAxis(0.5f, kZ)));
}

TEST(Quat, ProductAppliesLeftThenRight) {
    const Quat x90 = QFromAngAxis(HALFPI, kX);
    const Quat y90 = QFromAngAxis(HALFPI, kY);
    // y to z about X first, then z to x about Y.
    EXPECT_TRUE(PointNear(kY * RotateQuatMatrix(x90 * y90), kX));
    EXPECT_TRUE(PointNear(kY * RotateQuatMatrix(y90 * x90), kZ));
    std::mt19937 random(5);
    for (int i = 0; i < 100; ++i) {
        const Quat a = RandomRotation(random);
        const Quat b = RandomRotation(random);
        EXPECT_TRUE(MatrixNear(RotateQuatMatrix(a * b), RotateQuatMatrix(a) * RotateQuatMatrix(b)));
    }
}

TEST(Quat, InverseConjugateAndNormalize) {
    const Quat q = QFromAngAxis(1.2f, {1.0f, -2.0f, 0.5f});
    EXPECT_EQ(q.Conjugate(), Quat(-q.x, -q.y, -q.z, q.w));
    EXPECT_TRUE(SameRotation(q * q.Inverse(), Quat()));
    EXPECT_TRUE(SameRotation(q.Conjugate(), QFromAngAxis(-1.2f, {1.0f, -2.0f, 0.5f})));
    EXPECT_TRUE(MatrixNear(RotateQuatMatrix(q.Inverse()), Inverse(RotateQuatMatrix(q))));

    // Not unit length: the inverse still multiplies back to exactly no turn.
    const Quat doubled(2.0f * q.x, 2.0f * q.y, 2.0f * q.z, 2.0f * q.w);
    const Quat product = doubled * doubled.Inverse();
    EXPECT_NEAR(product.w, 1.0f, 1e-6f);
    EXPECT_NEAR(std::fabs(product.x) + std::fabs(product.y) + std::fabs(product.z), 0.0f, 1e-6f);

    Quat scaled = doubled;
    scaled.Normalize();
    EXPECT_NEAR(scaled.x, q.x, 1e-6f);
    EXPECT_NEAR(scaled.y, q.y, 1e-6f);
    EXPECT_NEAR(scaled.z, q.z, 1e-6f);
    EXPECT_NEAR(scaled.w, q.w, 1e-6f);
    Quat zero(0.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(zero.Inverse(), Quat());
    EXPECT_EQ(zero.Normalize(), Quat());
}
