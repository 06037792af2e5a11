#pragma once
// A point or direction in three dimensions, single precision like the rest of
// the host's geometry.

#include <cmath>

struct Point3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Point3() = default;
    constexpr Point3(float px, float py, float pz) : x(px), y(py), z(pz) {}

    // Components by axis: 0 is x, 1 is y, anything else z.
    constexpr float operator[](int axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
    constexpr float& operator[](int axis) { return axis == 0 ? x : axis == 1 ? y : z; }

    constexpr Point3 operator-() const { return {-x, -y, -z}; }
    constexpr Point3 operator+(const Point3& p) const { return {x + p.x, y + p.y, z + p.z}; }
    constexpr Point3 operator-(const Point3& p) const { return {x - p.x, y - p.y, z - p.z}; }
    // Component by component, as a non-uniform scale.
    constexpr Point3 operator*(const Point3& p) const { return {x * p.x, y * p.y, z * p.z}; }
    constexpr Point3 operator*(float s) const { return {x * s, y * s, z * s}; }
    constexpr Point3 operator/(float s) const { return {x / s, y / s, z / s}; }

    constexpr Point3& operator+=(const Point3& p) { return *this = *this + p; }
    constexpr Point3& operator-=(const Point3& p) { return *this = *this - p; }
    constexpr Point3& operator*=(float s) { return *this = *this * s; }
    constexpr Point3& operator/=(float s) { return *this = *this / s; }

    constexpr bool operator==(const Point3& p) const { return x == p.x && y == p.y && z == p.z; }
    constexpr bool operator!=(const Point3& p) const { return !(*this == p); }

    float LengthSquared() const { return x * x + y * y + z * z; }
    // Computed in double so that very large or small components do not
    // overflow or lose their precision on the way.
    float Length() const {
        return static_cast<float>(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y +
                                            static_cast<double>(z) * z));
    }
    // The unit vector in this direction; the zero vector stays zero.
    Point3 Normalize() const {
        const float length = Length();
        return length > 0.0f ? *this / length : Point3{};
    }
};

constexpr Point3 operator*(float s, const Point3& p) { return p * s; }

constexpr float DotProd(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

constexpr Point3 CrossProd(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Normalizes in single precision: cheaper than Normalize(), enough for
// directions of ordinary size. The zero vector stays zero.
inline Point3 FNormalize(const Point3& p) {
    const float lengthSquared = p.LengthSquared();
    return lengthSquared > 0.0f ? p * (1.0f / std::sqrt(lengthSquared)) : Point3{};
}
