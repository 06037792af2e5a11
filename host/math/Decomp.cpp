#include "host/math/Decomp.h"

#include "host/math/SymmetricEigen.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

using numeric::Matrix3d;
using numeric::Vector3d;

namespace {

// A stretch factor this much smaller than the largest counts as zero: the
// direction it would give is rounding noise, so it is completed instead.
constexpr double kFlatRatio = 1e-9;

double Dot(const Vector3d& a, const Vector3d& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vector3d Cross(const Vector3d& a, const Vector3d& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vector3d Scaled(const Vector3d& v, double s) { return {v[0] * s, v[1] * s, v[2] * s}; }

Vector3d Minus(const Vector3d& a, const Vector3d& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

// v * m with row vectors.
Vector3d Transform(const Vector3d& v, const Matrix3d& m) {
    Vector3d r{};
    for (int c = 0; c < 3; ++c) {
        r[c] = v[0] * m[0][c] + v[1] * m[1][c] + v[2] * m[2][c];
    }
    return r;
}

double Determinant(const Matrix3d& m) { return Dot(m[0], Cross(m[1], m[2])); }

// Some unit vector perpendicular to the unit vector v: crossed with the axis
// v is least aligned with, so the cross product is never short.
Vector3d Perpendicular(const Vector3d& v) {
    const Vector3d alignment = {std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])};
    Vector3d axis{};
    axis[static_cast<std::size_t>(std::min_element(alignment.begin(), alignment.end()) - alignment.begin())] = 1.0;
    const Vector3d p = Cross(v, axis);
    return Scaled(p, 1.0 / std::sqrt(Dot(p, p)));
}

Matrix3 ToMatrix3(const Matrix3d& m) {
    const auto row = [&m](int i) {
        return Point3(static_cast<float>(m[i][0]), static_cast<float>(m[i][1]), static_cast<float>(m[i][2]));
    };
    return Matrix3(row(0), row(1), row(2), {});
}

// The orthonormal rows n[i] with images[i] = k[i] * n[i] where k[i] is not
// negligible; directions of negligible stretch are completed so that the
// rows stay orthonormal and, when nothing decides the handedness, do not mirror.
Matrix3d Directions(const Matrix3d& images, const Vector3d& k, const Matrix3d& fallback) {
    // Largest stretch first; a sorting network rather than std::sort, which
    // NaN factors would hand an inconsistent ordering.
    int order[3] = {0, 1, 2};
    const auto largerFirst = [&k, &order](int i, int j) {
        if (k[order[j]] > k[order[i]]) {
            std::swap(order[i], order[j]);
        }
    };
    largerFirst(0, 1);
    largerFirst(1, 2);
    largerFirst(0, 1);
    const int a = order[0];
    const int b = order[1];
    const int c = order[2];
    if (!(k[a] > 0.0)) {
        return fallback;
    }
    const double flat = k[a] * kFlatRatio;
    Matrix3d n{};
    n[a] = Scaled(images[a], 1.0 / k[a]);
    const Vector3d rest = Minus(images[b], Scaled(n[a], Dot(images[b], n[a])));
    const double restLength = std::sqrt(Dot(rest, rest));
    n[b] = restLength > flat ? Scaled(rest, 1.0 / restLength) : Perpendicular(n[a]);
    n[c] = Cross(n[a], n[b]);
    const bool flip = k[c] > flat ? Dot(images[c], n[c]) < 0.0 : Determinant(n) < 0.0;
    if (flip) {
        n[c] = Scaled(n[c], -1.0);
    }
    return n;
}

}  // namespace

void decomp_affine(const Matrix3& mat, AffineParts* parts) {
    // The linear part L is split by polar decomposition into L = S * Q, S
    // symmetric, Q orthogonal. With the eigenvectors e[i] of L * transpose(L)
    // as rows of E, S = transpose(E) * K * E, and the images e[i] * L are
    // k[i] * n[i] with orthonormal n[i]: Q = transpose(E) * N.
    Matrix3d linear{};
    for (int i = 0; i < 3; ++i) {
        const Point3 row = mat.GetRow(i);
        linear[i] = {row.x, row.y, row.z};
    }
    Matrix3d gram{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            gram[i][j] = Dot(linear[i], linear[j]);
        }
    }
    const Matrix3d e = numeric::SymmetricEigen(gram).vectors;
    Matrix3d images{};
    Vector3d k{};
    for (int i = 0; i < 3; ++i) {
        images[i] = Transform(e[i], linear);
        k[i] = std::sqrt(Dot(images[i], images[i]));
    }
    const Matrix3d n = Directions(images, k, e);
    const double f = Determinant(n) < 0.0 ? -1.0 : 1.0;
    // The essential rotation R = transpose(E) * (f * N), proper by the choice of f.
    Matrix3d rotation{};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            rotation[r][c] = f * (e[0][r] * n[0][c] + e[1][r] * n[1][c] + e[2][r] * n[2][c]);
        }
    }
    parts->t = mat.GetTrans();
    parts->q = Quat(ToMatrix3(rotation));
    parts->u = Quat(ToMatrix3(e));
    parts->k = {static_cast<float>(k[0]), static_cast<float>(k[1]), static_cast<float>(k[2])};
    parts->f = static_cast<float>(f);
}
