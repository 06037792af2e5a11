#include "host/math/Box3.h"

#include <algorithm>
#include <limits>

void Box3::Init() {
    constexpr float big = std::numeric_limits<float>::max();
    pmin = {big, big, big};
    pmax = {-big, -big, -big};
}

Point3 Box3::operator[](int i) const {
    return {(i & 1) ? pmax.x : pmin.x, (i & 2) ? pmax.y : pmin.y, (i & 4) ? pmax.z : pmin.z};
}

bool Box3::Contains(const Point3& p) const {
    return p.x >= pmin.x && p.x <= pmax.x && p.y >= pmin.y && p.y <= pmax.y && p.z >= pmin.z && p.z <= pmax.z;
}

Box3& Box3::operator+=(const Point3& p) {
    pmin = {std::min(pmin.x, p.x), std::min(pmin.y, p.y), std::min(pmin.z, p.z)};
    pmax = {std::max(pmax.x, p.x), std::max(pmax.y, p.y), std::max(pmax.z, p.z)};
    return *this;
}

Box3& Box3::operator+=(const Box3& other) {
    if (!other.IsEmpty()) {
        *this += other.pmin;
        *this += other.pmax;
    }
    return *this;
}

Box3 Box3::operator*(const Matrix3& tm) const {
    Box3 result;
    if (IsEmpty()) return result;
    for (int corner = 0; corner < 8; ++corner) result += (*this)[corner] * tm;
    return result;
}

Box3 TransformMinMax(const Box3& box, const Matrix3& tm) {
    Box3 result;
    if (box.IsEmpty()) return result;
    result += box.pmin * tm;
    result += box.pmax * tm;
    return result;
}
