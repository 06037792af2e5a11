#pragma once
// The host's colour models: red, green, blue and hue, saturation, value, all
// components 0..1, carried in a Point3 (x, y, z).

#include "host/math/Point3.h"

// A grey has hue 0 and saturation 0; black has value 0 as well.
Point3 RGBtoHSV(const Point3& rgb);
// Hue 1 is the same as hue 0 (red).
Point3 HSVtoRGB(const Point3& hsv);
