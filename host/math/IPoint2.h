#pragma once
// A point in window pixels: x to the right, y down.

struct IPoint2 {
    int x = 0;
    int y = 0;

    constexpr IPoint2() = default;
    constexpr IPoint2(int px, int py) : x(px), y(py) {}

    constexpr IPoint2 operator+(const IPoint2& p) const { return {x + p.x, y + p.y}; }
    constexpr IPoint2 operator-(const IPoint2& p) const { return {x - p.x, y - p.y}; }
    constexpr bool operator==(const IPoint2& p) const { return x == p.x && y == p.y; }
    constexpr bool operator!=(const IPoint2& p) const { return !(*this == p); }
};
