#pragma once
// Unit quaternions for rotations, right-handed: (sin(a/2) * axis, cos(a/2))
// turns counter-clockwise by a about the axis, as the rotation matrices do.

#include "host/math/Matrix3.h"
#include "host/math/Point3.h"

struct Quat {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;

    // The identity rotation.
    constexpr Quat() = default;
    constexpr Quat(float qx, float qy, float qz, float qw) : x(qx), y(qy), z(qz), w(qw) {}
    // The rotation of a matrix whose 3x3 part is a rotation (orthonormal, not
    // mirroring); the translation is ignored.
    explicit Quat(const Matrix3& mat);

    // Apply this rotation, then other, matching Matrix3's product order.
    Quat operator*(const Quat& other) const;

    constexpr bool operator==(const Quat& q) const { return x == q.x && y == q.y && z == q.z && w == q.w; }
    constexpr bool operator!=(const Quat& q) const { return !(*this == q); }

    constexpr Quat Conjugate() const { return {-x, -y, -z, w}; }
    // The reverse rotation; for a non-unit quaternion, conjugate over squared norm.
    Quat Inverse() const;
    // Scales to unit length; a zero quaternion becomes the identity.
    Quat& Normalize();
};

// The rotation by angle (radians) about axis, which need not be unit length.
// A zero axis gives the identity.
Quat QFromAngAxis(float angle, const Point3& axis);

// The rotation matrix of q (normalised first), with zero translation.
Matrix3 RotateQuatMatrix(const Quat& q);
