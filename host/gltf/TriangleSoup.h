#pragma once
// Triangles as a modeller's file lists them, every corner with its own
// attributes, before equal positions are welded into shared vertices.

#include "host/math/Point3.h"
#include "host/scene/Mesh.h"

#include <array>
#include <optional>
#include <vector>

struct SoupCorner {
    Point3 position;
    std::optional<Point3> normal;
    std::array<UVVert, 2> uv;  // texture coordinates of map channels 1 and 2
    VertColor color{1.0f, 1.0f, 1.0f};
};

struct SoupTriangle {
    std::array<SoupCorner, 3> corners;  // counter-clockwise seen from the front
    MtlID material = 0;
};

struct TriangleSoup {
    std::vector<SoupTriangle> triangles;
    std::array<bool, 2> hasUv{false, false};  // some triangle brought map channel 1, 2
    bool hasColors = false;
};
