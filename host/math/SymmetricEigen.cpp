#include "host/math/SymmetricEigen.h"

#include <cmath>

namespace numeric {
namespace {

// Jacobi converges quadratically: a handful of sweeps reach double precision.
// The cap only guards against input that never converges (NaN).
constexpr int kMaxSweeps = 32;
constexpr double kRelativeOffDiagonal = 1e-32;  // squared: off-diagonal below 1e-16 of the diagonal

Matrix3d Identity() { return {{{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}}; }

Matrix3d Multiply(const Matrix3d& a, const Matrix3d& b) {
    Matrix3d product{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            product[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
        }
    }
    return product;
}

Matrix3d Transpose(const Matrix3d& a) {
    Matrix3d t{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            t[i][j] = a[j][i];
        }
    }
    return t;
}

// The plane rotation that zeroes a[p][q] of transpose(J) * a * J.
Matrix3d JacobiRotation(const Matrix3d& a, int p, int q) {
    const double theta = (a[q][q] - a[p][p]) / (2.0 * a[p][q]);
    // The smaller of the two possible angles, so that the vectors stay close
    // to the axes they started from.
    const double t = (theta >= 0.0 ? 1.0 : -1.0) / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
    const double c = 1.0 / std::sqrt(t * t + 1.0);
    const double s = t * c;
    Matrix3d j = Identity();
    j[p][p] = c;
    j[q][q] = c;
    j[p][q] = s;
    j[q][p] = -s;
    return j;
}

}  // namespace

SymmetricEigen3 SymmetricEigen(const Matrix3d& input) {
    static constexpr int kPairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    Matrix3d a = input;
    Matrix3d columns = Identity();
    for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
        const double off = a[0][1] * a[0][1] + a[0][2] * a[0][2] + a[1][2] * a[1][2];
        const double diagonal = a[0][0] * a[0][0] + a[1][1] * a[1][1] + a[2][2] * a[2][2];
        if (!(off > kRelativeOffDiagonal * diagonal)) {
            break;
        }
        for (const auto& pair : kPairs) {
            if (a[pair[0]][pair[1]] == 0.0) {
                continue;
            }
            const Matrix3d j = JacobiRotation(a, pair[0], pair[1]);
            a = Multiply(Multiply(Transpose(j), a), j);
            // Zero by construction; dropping the rounding residue keeps the
            // next sweeps from chasing it.
            a[pair[0]][pair[1]] = a[pair[1]][pair[0]] = 0.0;
            columns = Multiply(columns, j);
        }
    }
    return {{a[0][0], a[1][1], a[2][2]}, Transpose(columns)};
}

}  // namespace numeric
