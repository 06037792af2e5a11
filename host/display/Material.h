#pragma once
// What the graphics window shades with: a node's display material or the
// window's current one. Colours are red, green, blue from 0 to 1.

#include "host/math/Point3.h"

struct Material {
    Point3 Kd{0.5f, 0.5f, 0.5f};  // diffuse colour
};
