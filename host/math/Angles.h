#pragma once
// Angle constants and conversions; the host works in radians throughout.

constexpr float PI = 3.14159265358979323846f;
constexpr float HALFPI = PI / 2.0f;
constexpr float TWOPI = PI * 2.0f;

constexpr float DegToRad(float degrees) { return degrees * (PI / 180.0f); }
constexpr float RadToDeg(float radians) { return radians * (180.0f / PI); }
