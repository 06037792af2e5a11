#pragma once
// An axis-aligned box. A new box is empty: its minimum lies above its
// maximum, so the first point added makes it that point.

#include "host/math/Matrix3.h"
#include "host/math/Point3.h"

class Box3 {
public:
    Box3() { Init(); }
    Box3(const Point3& low, const Point3& high) : pmin(low), pmax(high) {}

    // Back to empty.
    void Init();
    bool IsEmpty() const { return pmin.x > pmax.x || pmin.y > pmax.y || pmin.z > pmax.z; }

    const Point3& Min() const { return pmin; }
    const Point3& Max() const { return pmax; }
    Point3 Center() const { return (pmin + pmax) * 0.5f; }
    Point3 Width() const { return pmax - pmin; }
    // Corner i: bit 0 picks the maximum x, bit 1 the maximum y, bit 2 the maximum z.
    Point3 operator[](int i) const;
    bool Contains(const Point3& p) const;

    // Grows to take in p, or the other box (an empty one adds nothing).
    Box3& operator+=(const Point3& p);
    Box3& operator+=(const Box3& other);

    // The box around the eight corners transformed by tm: it holds
    // everything the box held, whatever tm turns. An empty box stays empty.
    Box3 operator*(const Matrix3& tm) const;

    Point3 pmin;
    Point3 pmax;
};

// The box spanned by only the minimum and maximum corners transformed by
// tm. Under a rotation it may miss parts of the original box; it is for
// callers that ask for this cheaper form. An empty box stays empty.
Box3 TransformMinMax(const Box3& box, const Matrix3& tm);
