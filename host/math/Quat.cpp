#include "host/math/Quat.h"

#include <cmath>

namespace {

struct QuatD {
    double x, y, z, w;
};

Quat ToFloat(const QuatD& q) {
    return {static_cast<float>(q.x), static_cast<float>(q.y), static_cast<float>(q.z), static_cast<float>(q.w)};
}

// Unit length in double; a zero quaternion becomes the identity.
QuatD Normalized(const Quat& q) {
    const double x = q.x;
    const double y = q.y;
    const double z = q.z;
    const double w = q.w;
    const double norm = std::sqrt(x * x + y * y + z * z + w * w);
    if (!(norm > 0.0)) {
        return {0.0, 0.0, 0.0, 1.0};
    }
    return {x / norm, y / norm, z / norm, w / norm};
}

}  // namespace

Quat::Quat(const Matrix3& mat) {
    // With row vectors the matrix is the transpose of the usual column-vector
    // rotation R; r(i, j) reads R.
    const auto r = [&mat](int i, int j) { return static_cast<double>(mat.GetRow(j)[i]); };
    const double trace = r(0, 0) + r(1, 1) + r(2, 2);
    QuatD q{};
    // Take the square root of the largest of the four candidates, so that
    // the division below never goes through a near-zero divisor.
    if (trace > 0.0) {
        const double s = 2.0 * std::sqrt(1.0 + trace);
        q = {(r(2, 1) - r(1, 2)) / s, (r(0, 2) - r(2, 0)) / s, (r(1, 0) - r(0, 1)) / s, 0.25 * s};
    } else if (r(0, 0) > r(1, 1) && r(0, 0) > r(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + r(0, 0) - r(1, 1) - r(2, 2));
        q = {0.25 * s, (r(0, 1) + r(1, 0)) / s, (r(0, 2) + r(2, 0)) / s, (r(2, 1) - r(1, 2)) / s};
    } else if (r(1, 1) > r(2, 2)) {
        const double s = 2.0 * std::sqrt(1.0 + r(1, 1) - r(0, 0) - r(2, 2));
        q = {(r(0, 1) + r(1, 0)) / s, 0.25 * s, (r(1, 2) + r(2, 1)) / s, (r(0, 2) - r(2, 0)) / s};
    } else {
        const double s = 2.0 * std::sqrt(1.0 + r(2, 2) - r(0, 0) - r(1, 1));
        q = {(r(0, 2) + r(2, 0)) / s, (r(1, 2) + r(2, 1)) / s, 0.25 * s, (r(1, 0) - r(0, 1)) / s};
    }
    *this = ToFloat(q);
    Normalize();
}

Quat Quat::operator*(const Quat& other) const {
    // The Hamilton product other (x) this: this rotation acts first.
    const Quat& a = other;
    const Quat& b = *this;
    return {a.w * b.x + b.w * a.x + a.y * b.z - a.z * b.y, a.w * b.y + b.w * a.y + a.z * b.x - a.x * b.z,
            a.w * b.z + b.w * a.z + a.x * b.y - a.y * b.x, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}

Quat Quat::Inverse() const {
    const float normSquared = x * x + y * y + z * z + w * w;
    if (!(normSquared > 0.0f)) {
        return {};
    }
    const Quat c = Conjugate();
    return {c.x / normSquared, c.y / normSquared, c.z / normSquared, c.w / normSquared};
}

Quat& Quat::Normalize() { return *this = ToFloat(Normalized(*this)); }

Quat QFromAngAxis(float angle, const Point3& axis) {
    const Point3 unit = axis.Normalize();
    if (unit == Point3{}) {
        return {};
    }
    const float s = std::sin(angle * 0.5f);
    return {unit.x * s, unit.y * s, unit.z * s, std::cos(angle * 0.5f)};
}

Matrix3 RotateQuatMatrix(const Quat& quat) {
    const QuatD q = Normalized(quat);
    const auto f = [](double v) { return static_cast<float>(v); };
    const double xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const double xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const double wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    // Row i is the image of axis i: column i of the column-vector rotation.
    return Matrix3({f(1.0 - 2.0 * (yy + zz)), f(2.0 * (xy + wz)), f(2.0 * (xz - wy))},
                   {f(2.0 * (xy - wz)), f(1.0 - 2.0 * (xx + zz)), f(2.0 * (yz + wx))},
                   {f(2.0 * (xz + wy)), f(2.0 * (yz - wx)), f(1.0 - 2.0 * (xx + yy))}, {});
}
