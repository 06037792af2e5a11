#include "host/math/Matrix3.h"

#include <cmath>

namespace {

// Determinant of the 3x3 part, in double: the mirroring test must not flip
// sign on rounding for nearly flat matrices.
double Determinant(const Point3& r0, const Point3& r1, const Point3& r2) {
    return static_cast<double>(r0.x) * (static_cast<double>(r1.y) * r2.z - static_cast<double>(r1.z) * r2.y) -
           static_cast<double>(r0.y) * (static_cast<double>(r1.x) * r2.z - static_cast<double>(r1.z) * r2.x) +
           static_cast<double>(r0.z) * (static_cast<double>(r1.x) * r2.y - static_cast<double>(r1.y) * r2.x);
}

}  // namespace

Matrix3::Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& trans)
    : rows_{row0, row1, row2, trans} {}

Matrix3 Matrix3::operator*(const Matrix3& other) const {
    Matrix3 product;
    for (int i = 0; i < 3; ++i) {
        product.rows_[i] = VectorTransform(other, rows_[i]);
    }
    product.rows_[3] = rows_[3] * other;
    return product;
}

bool Matrix3::operator==(const Matrix3& other) const {
    for (int i = 0; i < 4; ++i) {
        if (rows_[i] != other.rows_[i]) {
            return false;
        }
    }
    return true;
}

bool Matrix3::Parity() const { return Determinant(rows_[0], rows_[1], rows_[2]) < 0.0; }

Point3 VectorTransform(const Matrix3& m, const Point3& v) {
    return m.GetRow(0) * v.x + m.GetRow(1) * v.y + m.GetRow(2) * v.z;
}

Point3 operator*(const Point3& p, const Matrix3& m) { return VectorTransform(m, p) + m.GetTrans(); }

Matrix3 Inverse(const Matrix3& m) {
    const Point3 r0 = m.GetRow(0);
    const Point3 r1 = m.GetRow(1);
    const Point3 r2 = m.GetRow(2);
    const double det = Determinant(r0, r1, r2);
    if (det == 0.0 || !std::isfinite(det)) {
        return Matrix3();
    }
    // The rows of the inverse are the cross products of the columns'
    // complements: the adjugate over the determinant, written as crosses.
    const Point3 c0 = CrossProd(r1, r2);
    const Point3 c1 = CrossProd(r2, r0);
    const Point3 c2 = CrossProd(r0, r1);
    const float inv = static_cast<float>(1.0 / det);
    const Matrix3 linear({c0.x * inv, c1.x * inv, c2.x * inv}, {c0.y * inv, c1.y * inv, c2.y * inv},
                         {c0.z * inv, c1.z * inv, c2.z * inv}, {});
    Matrix3 inverse = linear;
    inverse.SetTrans(-VectorTransform(linear, m.GetTrans()));
    return inverse;
}

Matrix3 TransMatrix(const Point3& trans) {
    Matrix3 m;
    m.SetTrans(trans);
    return m;
}

Matrix3 ScaleMatrix(const Point3& scale) {
    return Matrix3({scale.x, 0.0f, 0.0f}, {0.0f, scale.y, 0.0f}, {0.0f, 0.0f, scale.z}, {});
}

Matrix3 RotateXMatrix(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Matrix3({1.0f, 0.0f, 0.0f}, {0.0f, c, s}, {0.0f, -s, c}, {});
}

Matrix3 RotateYMatrix(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Matrix3({c, 0.0f, -s}, {0.0f, 1.0f, 0.0f}, {s, 0.0f, c}, {});
}

Matrix3 RotateZMatrix(float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return Matrix3({c, s, 0.0f}, {-s, c, 0.0f}, {0.0f, 0.0f, 1.0f}, {});
}

Matrix3 RotateXYZMatrix(float ax, float ay, float az) {
    return RotateXMatrix(ax) * RotateYMatrix(ay) * RotateZMatrix(az);
}
