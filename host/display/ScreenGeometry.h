#pragma once
// Plane geometry in window pixels for hit tests; only x and y of the points
// count.

#include "host/math/Point3.h"
#include "host/math/Rect.h"

// How far the pixel (x, y) is from the segment a-b.
float DistanceToSegment(float x, float y, const Point3& a, const Point3& b);
// Whether any part of the segment a-b lies in rect.
bool SegmentTouchesRect(const Point3& a, const Point3& b, const Rect& rect);
