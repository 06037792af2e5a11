#pragma once
// Tolerant comparisons of the math types for the tests.

#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Quat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

inline std::ostream& operator<<(std::ostream& out, const Point3& p) {
    return out << '(' << p.x << ", " << p.y << ", " << p.z << ')';
}

inline std::ostream& operator<<(std::ostream& out, const Matrix3& m) {
    return out << '[' << m.GetRow(0) << ' ' << m.GetRow(1) << ' ' << m.GetRow(2) << " t" << m.GetTrans() << ']';
}

inline std::ostream& operator<<(std::ostream& out, const Quat& q) {
    return out << '(' << q.x << ", " << q.y << ", " << q.z << ", " << q.w << ')';
}

inline ::testing::AssertionResult PointNear(const Point3& actual, const Point3& expected, float tolerance = 1e-5f) {
    for (int i = 0; i < 3; ++i) {
        if (!(std::fabs(actual[i] - expected[i]) <= tolerance)) {
            return ::testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult MatrixNear(const Matrix3& actual, const Matrix3& expected,
                                             float tolerance = 1e-5f) {
    for (int i = 0; i < 4; ++i) {
        if (!PointNear(actual.GetRow(i), expected.GetRow(i), tolerance)) {
            return ::testing::AssertionFailure() << actual << " is not within " << tolerance << " of " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

// The same rotation whatever the sign of the quaternions.
inline ::testing::AssertionResult SameRotation(const Quat& actual, const Quat& expected, float tolerance = 1e-5f) {
    if (!MatrixNear(RotateQuatMatrix(actual), RotateQuatMatrix(expected), tolerance)) {
        return ::testing::AssertionFailure() << actual << " does not rotate like " << expected;
    }
    return ::testing::AssertionSuccess();
}

inline bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
