#include "host/math/Euler.h"

#include <cmath>

namespace {

// Below this cos(Y) the X and Z axes line up and only their sum or difference
// is defined. The matrix terms are computed in double, so X and Z are still
// exact to float precision just above it.
constexpr double kGimbalLock = 1e-9;

}  // namespace

void QuatToEuler(const Quat& quat, float* angles) {
    double x = quat.x;
    double y = quat.y;
    double z = quat.z;
    double w = quat.w;
    const double norm = std::sqrt(x * x + y * y + z * z + w * w);
    if (!(norm > 0.0)) {
        angles[0] = angles[1] = angles[2] = 0.0f;
        return;
    }
    x /= norm;
    y /= norm;
    z /= norm;
    w /= norm;
    // The terms of the row-vector matrix RotateXMatrix(X) * RotateYMatrix(Y) *
    // RotateZMatrix(Z) that determine the angles:
    //   m00 = cY cZ   m01 = cY sZ   m02 = -sY   m12 = sX cY   m22 = cX cY
    // and at Y = +-pi/2 row 1 holds the remaining angle X -+ Z.
    const double m00 = 1.0 - 2.0 * (y * y + z * z);
    const double m01 = 2.0 * (x * y + w * z);
    const double m02 = 2.0 * (x * z - w * y);
    const double m10 = 2.0 * (x * y - w * z);
    const double m11 = 1.0 - 2.0 * (x * x + z * z);
    const double m12 = 2.0 * (y * z + w * x);
    const double m22 = 1.0 - 2.0 * (x * x + y * y);

    const double cosY = std::hypot(m00, m01);
    double ax = 0.0;
    double az = 0.0;
    if (cosY > kGimbalLock) {
        ax = std::atan2(m12, m22);
        az = std::atan2(m01, m00);
    } else {
        // Y = +pi/2: row 1 = (sin(X - Z), cos(X - Z)); Y = -pi/2: (-sin(X + Z), cos(X + Z)).
        ax = m02 < 0.0 ? std::atan2(m10, m11) : std::atan2(-m10, m11);
    }
    angles[0] = static_cast<float>(ax);
    angles[1] = static_cast<float>(std::atan2(-m02, cosY));
    angles[2] = static_cast<float>(az);
}

void EulerToQuat(const float* angles, Quat& q) {
    q = QFromAngAxis(angles[0], {1.0f, 0.0f, 0.0f}) * QFromAngAxis(angles[1], {0.0f, 1.0f, 0.0f}) *
        QFromAngAxis(angles[2], {0.0f, 0.0f, 1.0f});
}
