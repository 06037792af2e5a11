#pragma once
// Comparing points in brush tests: component by component, exactly or
// within a tolerance, with all three components in the message.

#include "host/math/Point3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

inline std::ostream& operator<<(std::ostream& out, const Point3& p) {
    return out << '(' << p.x << ", " << p.y << ", " << p.z << ')';
}

inline ::testing::AssertionResult Near(const Point3& actual, const Point3& expected, float tolerance = 1e-4f) {
    for (int axis = 0; axis < 3; ++axis) {
        if (!(std::fabs(actual[axis] - expected[axis]) <= tolerance)) {
            return ::testing::AssertionFailure() << actual << " is not " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}
