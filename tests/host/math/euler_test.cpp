#include "host/math/Angles.h"
#include "host/math/Decomp.h"
#include "host/math/Euler.h"

#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Angles {
    float x, y, z;
};

Angles EulerOf(const Quat& q) {
    float angles[3] = {};
    QuatToEuler(q, angles);
    return {angles[0], angles[1], angles[2]};
}

Angles EulerOfMatrix(const Matrix3& m) {
    AffineParts parts;
    decomp_affine(m, &parts);
    return EulerOf(parts.q);
}

}  // namespace

TEST(Euler, QuarterTurnsKeepTheirSign) {
    // The exporter turns these into engine rotations; a node turned +90
    // degrees about Z must report +pi/2, not -pi/2.
    const Angles z = EulerOfMatrix(RotateZMatrix(HALFPI));
    EXPECT_NEAR(z.x, 0.0f, 1e-6f);
    EXPECT_NEAR(z.y, 0.0f, 1e-6f);
    EXPECT_NEAR(z.z, HALFPI, 1e-6f);
    const Angles x = EulerOfMatrix(RotateXMatrix(HALFPI));
    EXPECT_NEAR(x.x, HALFPI, 1e-6f);
    EXPECT_NEAR(x.y, 0.0f, 1e-6f);
    EXPECT_NEAR(x.z, 0.0f, 1e-6f);
    const Angles y = EulerOfMatrix(RotateYMatrix(-0.5f));
    EXPECT_NEAR(y.x, 0.0f, 1e-6f);
    EXPECT_NEAR(y.y, -0.5f, 1e-6f);
    EXPECT_NEAR(y.z, 0.0f, 1e-6f);
    const Angles identity = EulerOf(Quat());
    EXPECT_EQ(identity.x, 0.0f);
    EXPECT_EQ(identity.y, 0.0f);
    EXPECT_EQ(identity.z, 0.0f);
}

TEST(Euler, RoundTripThroughMatrixAndDecomposition) {
    std::mt19937 random(17);
    std::uniform_real_distribution<float> turn(-3.1f, 3.1f);
    std::uniform_real_distribution<float> tilt(-1.4f, 1.4f);  // clear of Y = +-pi/2
    for (int i = 0; i < 1000; ++i) {
        const float ax = turn(random);
        const float ay = tilt(random);
        const float az = turn(random);
        // Placed with scale and translation as a node would be.
        const Matrix3 m = ScaleMatrix({1.5f, 0.5f, 2.0f}) * RotateXYZMatrix(ax, ay, az) * TransMatrix({3, -4, 5});
        const Angles back = EulerOfMatrix(m);
        EXPECT_NEAR(back.x, ax, 1e-5f) << ax << ' ' << ay << ' ' << az;
        EXPECT_NEAR(back.y, ay, 1e-5f) << ax << ' ' << ay << ' ' << az;
        EXPECT_NEAR(back.z, az, 1e-5f) << ax << ' ' << ay << ' ' << az;
    }
}

TEST(Euler, GimbalLockKeepsTheRotation) {
    // At Y = +-pi/2 only X - Z (or X + Z) is defined, so the angles differ
    // from the ones put in; the rotation they describe must not.
    const float ys[] = {HALFPI, -HALFPI, HALFPI - 1e-3f, -HALFPI + 1e-3f, HALFPI - 1e-6f, -HALFPI + 1e-6f};
    std::mt19937 random(23);
    std::uniform_real_distribution<float> turn(-3.1f, 3.1f);
    for (const float ay : ys) {
        for (int i = 0; i < 50; ++i) {
            const Matrix3 m = RotateXYZMatrix(turn(random), ay, turn(random));
            const Angles back = EulerOfMatrix(m);
            EXPECT_TRUE(MatrixNear(RotateXYZMatrix(back.x, back.y, back.z), m, 2e-5f)) << ay;
            EXPECT_LE(std::fabs(back.y), HALFPI + 1e-6f);
        }
    }
    const Angles locked = EulerOf(QFromAngAxis(HALFPI, {0.0f, 1.0f, 0.0f}));
    EXPECT_NEAR(locked.y, HALFPI, 1e-6f);
    EXPECT_NEAR(locked.x, 0.0f, 1e-6f);
    EXPECT_EQ(locked.z, 0.0f);
}

TEST(Euler, QuaternionAndMatrixFormsAgree) {
    std::mt19937 random(29);
    std::uniform_real_distribution<float> angle(-6.0f, 6.0f);
    for (int i = 0; i < 200; ++i) {
        const float angles[3] = {angle(random), angle(random), angle(random)};
        Quat q;
        EulerToQuat(angles, q);
        const Matrix3 m = RotateXYZMatrix(angles[0], angles[1], angles[2]);
        EXPECT_TRUE(MatrixNear(RotateQuatMatrix(q), m));
        // Back from the quaternion: not the same angles when they were out
        // of range, but the same rotation.
        const Angles back = EulerOf(q);
        EXPECT_TRUE(MatrixNear(RotateXYZMatrix(back.x, back.y, back.z), m));
    }
    // Not unit length: the same angles as its normalised self.
    const float angles[3] = {0.3f, -0.7f, 1.9f};
    Quat q;
    EulerToQuat(angles, q);
    const Angles fromLong = EulerOf(Quat(3.0f * q.x, 3.0f * q.y, 3.0f * q.z, 3.0f * q.w));
    EXPECT_NEAR(fromLong.x, 0.3f, 1e-5f);
    EXPECT_NEAR(fromLong.y, -0.7f, 1e-5f);
    EXPECT_NEAR(fromLong.z, 1.9f, 1e-5f);
}
