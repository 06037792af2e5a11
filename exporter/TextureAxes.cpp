#include "exporter/TextureAxes.h"

#include "host/scene/Texmap.h"

#include <cmath>

namespace {

void SetDefaultAxes(BrushPolygon& polygon) {
    polygon.origin = Point3(493.0f, 493.0f, 493.0f);
    polygon.textureU = Point3(1.0f, 0.0f, 0.0f);
    polygon.textureV = Point3(0.0f, 1.0f, 0.0f);
}

// Below this share of |e1|^2 |e2|^2, the corners' plane is lost in rounding:
// the sine of the angle at the first corner is under 1/1000.
constexpr float kFlatShare = 1e-6f;

bool SpanPlane(const Point3& e1, const Point3& e2) {
    const float d11 = DotProd(e1, e1);
    const float d22 = DotProd(e2, e2);
    const float d12 = DotProd(e1, e2);
    return d11 * d22 - d12 * d12 > kFlatShare * d11 * d22;
}

struct Corners {
    int first = 0;
    int second = 1;
    int third = 2;
};

// The first three corners, in corner order, that span a plane: an artist's
// polygon may start with corners on one line (a vertex on an edge).
bool FindPlaneCorners(const BrushPolygon& polygon, Corners& found) {
    const auto& v = polygon.vertices;
    for (int i = 0; i < polygon.count; ++i) {
        for (int j = i + 1; j < polygon.count; ++j) {
            for (int k = j + 1; k < polygon.count; ++k) {
                if (SpanPlane(v[j] - v[i], v[k] - v[i])) {
                    found = Corners{i, j, k};
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace

void ComputeTextureAxes(BrushPolygon& polygon, const BitmapTex* bitmap) {
    // Fewer than three vertices leave stale slots where the plane is read.
    if (!bitmap || polygon.count < 3) {
        SetDefaultAxes(polygon);
        return;
    }
    const float width = static_cast<float>(bitmap->GetWidth());
    const float height = static_cast<float>(bitmap->GetHeight());
    Corners corners;
    if (!FindPlaneCorners(polygon, corners)) {
        SetDefaultAxes(polygon);
        return;
    }
    const auto at = [](int corner) { return static_cast<std::size_t>(corner); };

    const Point3& p0 = polygon.vertices[at(corners.first)];
    const Point3& t0 = polygon.textureCoords[at(corners.first)];
    const Point3 e1 = polygon.vertices[at(corners.second)] - p0;
    const Point3 e2 = polygon.vertices[at(corners.third)] - p0;
    const Point3 d1 = polygon.textureCoords[at(corners.second)] - t0;
    const Point3 d2 = polygon.textureCoords[at(corners.third)] - t0;

    const float d11 = DotProd(e1, e1);
    const float d12 = DotProd(e1, e2);
    const float d22 = DotProd(e2, e2);
    // Not finite only for corners found to span a plane by a hair.
    const float r = 1.0f / (d22 * d11 - d12 * d12);
    if (!std::isfinite(r)) {
        SetDefaultAxes(polygon);
        return;
    }
    const Point3 a = (d1 * d22 - d2 * d12) * r;
    const Point3 b = (d2 * d11 - d1 * d12) * r;

    // The gradients of U and V across the plane, per map unit.
    const Point3 u = e1 * a.x + e2 * b.x;
    const Point3 v = e1 * a.y + e2 * b.y;

    const float e1u = DotProd(e1, u);
    const float e2u = DotProd(e2, u);
    const float e1v = DotProd(e1, v);
    const float e2v = DotProd(e2, v);
    // Not finite when the texture coordinates are collinear.
    const float s = 1.0f / (e2v * e1u - e1v * e2u);
    if (!std::isfinite(s)) {
        SetDefaultAxes(polygon);
        return;
    }
    // The point of the plane where U and V are both zero.
    const float along1 = (e2v * t0.x - e2u * t0.y) * s;
    const float along2 = (e1u * t0.y - e1v * t0.x) * s;
    polygon.origin = p0 - (e1 * along1 + e2 * along2);
    // The editor counts V the other way.
    polygon.textureU = u * width;
    polygon.textureV = v * -height;
}
