#pragma once
// Eigen-decomposition of a symmetric 3x3 matrix in double precision, the
// numerical core of the affine decomposition.

#include <array>

namespace numeric {

using Vector3d = std::array<double, 3>;
using Matrix3d = std::array<Vector3d, 3>;

struct SymmetricEigen3 {
    Vector3d values;
    // Row i is the unit eigenvector of values[i]; the rows form a rotation
    // (determinant +1).
    Matrix3d vectors;
};

// By cyclic Jacobi rotations: a diagonal matrix comes back unchanged with the
// identity as its vectors, and a nearly diagonal one keeps its axis order.
SymmetricEigen3 SymmetricEigen(const Matrix3d& a);

}  // namespace numeric
