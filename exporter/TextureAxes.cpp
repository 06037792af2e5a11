#include "exporter/TextureAxes.h"

#include "host/scene/Texmap.h"

#include <cmath>

namespace {

void SetDefaultAxes(BrushPolygon& polygon) {
    polygon.origin = Point3(493.0f, 493.0f, 493.0f);
    polygon.textureU = Point3(1.0f, 0.0f, 0.0f);
    polygon.textureV = Point3(0.0f, 1.0f, 0.0f);
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

    const Point3& p0 = polygon.vertices[0];
    const Point3& t0 = polygon.textureCoords[0];
    const Point3 e1 = polygon.vertices[1] - p0;
    const Point3 e2 = polygon.vertices[2] - p0;
    const Point3 d1 = polygon.textureCoords[1] - t0;
    const Point3 d2 = polygon.textureCoords[2] - t0;

    const float d11 = DotProd(e1, e1);
    const float d12 = DotProd(e1, e2);
    const float d22 = DotProd(e2, e2);
    // Not finite when the vertices are collinear.
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
