#include "host/display/ScreenGeometry.h"

#include <algorithm>
#include <cmath>

float DistanceToSegment(float x, float y, const Point3& a, const Point3& b) {
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float lengthSquared = dx * dx + dy * dy;
    // The segment's nearest point to (x, y), as a fraction of the way from a to b.
    const float along = lengthSquared > 0.0f ? std::clamp(((x - a.x) * dx + (y - a.y) * dy) / lengthSquared, 0.0f, 1.0f)
                                             : 0.0f;
    return std::hypot(a.x + along * dx - x, a.y + along * dy - y);
}

bool SegmentTouchesRect(const Point3& a, const Point3& b, const Rect& rect) {
    // Liang-Barsky: narrow the segment's parameter range to each side's half-plane.
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float toward[4] = {-dx, dx, -dy, dy};
    const float room[4] = {a.x - static_cast<float>(rect.left), static_cast<float>(rect.right) - a.x,
                           a.y - static_cast<float>(rect.top), static_cast<float>(rect.bottom) - a.y};
    float enter = 0.0f;
    float leave = 1.0f;
    for (int side = 0; side < 4; ++side) {
        if (toward[side] == 0.0f) {
            if (room[side] < 0.0f) return false;
            continue;
        }
        const float t = room[side] / toward[side];
        if (toward[side] < 0.0f)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave) return false;
    }
    return true;
}
