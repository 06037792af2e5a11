#pragma once
// The one brush polygon being converted. Every face of a brush overwrites it,
// so a brush of any size needs no storage per face.

#include "host/math/Point3.h"
#include "host/scene/Mesh.h"

#include <algorithm>
#include <array>

struct BrushPolygon {
    // The editor takes no more corners; larger host polygons are cut.
    static constexpr int kMaxVertices = 32;

    // Map coordinates, in output order.
    std::array<Point3, kMaxVertices> vertices;
    // The UVW of each vertex, in the vertices' order; U and V count.
    std::array<Point3, kMaxVertices> textureCoords;
    Point3 normal;
    Point3 origin;
    Point3 textureU;
    Point3 textureV;
    int count = 0;
    MtlID materialId = 0;

    // Reverses the vertices and their texture coordinates together.
    void Reverse() {
        std::reverse(vertices.begin(), vertices.begin() + count);
        std::reverse(textureCoords.begin(), textureCoords.begin() + count);
    }
};
