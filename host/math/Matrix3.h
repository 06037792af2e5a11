#pragma once
// A 4x3 affine transform with row vectors: rows 0..2 are the images of the
// x, y and z axes, row 3 the translation. A point transforms as p * M, so
// A * B applies A first, then B.

#include "host/math/Point3.h"

class Matrix3 {
public:
    // The identity.
    Matrix3() = default;
    Matrix3(const Point3& row0, const Point3& row1, const Point3& row2, const Point3& trans);

    void IdentityMatrix() { *this = Matrix3(); }

    // Rows by index 0..3; row 3 is the translation.
    Point3 GetRow(int i) const { return rows_[i]; }
    void SetRow(int i, const Point3& row) { rows_[i] = row; }
    Point3 GetTrans() const { return rows_[3]; }
    void SetTrans(const Point3& trans) { rows_[3] = trans; }

    // Apply this transform, then other.
    Matrix3 operator*(const Matrix3& other) const;
    Matrix3& operator*=(const Matrix3& other) { return *this = *this * other; }

    bool operator==(const Matrix3& other) const;
    bool operator!=(const Matrix3& other) const { return !(*this == other); }

    // True when the transform mirrors: the determinant of its 3x3 part is negative.
    bool Parity() const;

private:
    Point3 rows_[4] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f}};
};

// The point p transformed by m, translation included.
Point3 operator*(const Point3& p, const Matrix3& m);
// The direction v transformed by m, translation ignored.
Point3 VectorTransform(const Matrix3& m, const Point3& v);

// The inverse transform. A singular matrix has none; the result is then the identity.
Matrix3 Inverse(const Matrix3& m);

Matrix3 TransMatrix(const Point3& trans);
Matrix3 ScaleMatrix(const Point3& scale);
// Rotations in radians, counter-clockwise looking from the positive axis
// toward the origin: RotateZMatrix(PI / 2) takes (1,0,0) to (0,1,0).
Matrix3 RotateXMatrix(float angle);
Matrix3 RotateYMatrix(float angle);
Matrix3 RotateZMatrix(float angle);
// Euler angles in radians, XYZ order: the turn about X first, then Y, then Z,
// all about the fixed parent axes.
Matrix3 RotateXYZMatrix(float ax, float ay, float az);
