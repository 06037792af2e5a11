#pragma once
// A rectangle of window pixels; right and bottom are inside it, so a
// rectangle of one pixel has left == right.

#include "host/math/IPoint2.h"

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    // The rectangle that two opposite corners span, in whatever order.
    static constexpr Rect Spanning(const IPoint2& a, const IPoint2& b) {
        return {a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y, a.x < b.x ? b.x : a.x, a.y < b.y ? b.y : a.y};
    }

    constexpr bool Contains(float x, float y) const {
        return x >= static_cast<float>(left) && x <= static_cast<float>(right) && y >= static_cast<float>(top) &&
               y <= static_cast<float>(bottom);
    }
};
