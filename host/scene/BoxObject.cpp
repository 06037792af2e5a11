#include "host/scene/BoxObject.h"

#include "host/scene/PolyObject.h"
#include "host/scene/TriObject.h"

#include <cstdint>

namespace {

constexpr int kSides = 6;
constexpr std::uint32_t kSideCorners[kSides][4] = {
    {2, 3, 1, 0},  // bottom
    {4, 5, 7, 6},  // top
    {0, 1, 5, 4},  // front
    {1, 3, 7, 5},  // right
    {3, 2, 6, 7},  // back
    {2, 0, 4, 6},  // left
};
constexpr int kMapChannel = 1;

}  // namespace

BoxObject::BoxObject(float length, float width, float height)
    : length_(length), width_(width), height_(height) {}

PolyMesh BoxObject::BuildPolyMesh() const {
    PolyMesh poly;
    const float halfWidth = width_ / 2.0f;
    const float halfLength = length_ / 2.0f;
    for (int v = 0; v < 8; ++v) {
        poly.addVert(Point3((v & 1) ? halfWidth : -halfWidth, (v & 2) ? halfLength : -halfLength,
                            (v & 4) ? height_ : 0.0f));
    }
    for (int side = 0; side < kSides; ++side) {
        const std::uint32_t* c = kSideCorners[side];
        poly.addFace({c[0], c[1], c[2], c[3]}, static_cast<MtlID>(side), 2u << side);
    }
    poly.setMapSupport(kMapChannel);
    poly.addMapVert(kMapChannel, UVVert(0.0f, 0.0f, 0.0f));
    poly.addMapVert(kMapChannel, UVVert(1.0f, 0.0f, 0.0f));
    poly.addMapVert(kMapChannel, UVVert(1.0f, 1.0f, 0.0f));
    poly.addMapVert(kMapChannel, UVVert(0.0f, 1.0f, 0.0f));
    for (int side = 0; side < kSides; ++side) poly.setMapFace(kMapChannel, side, {0, 1, 2, 3});
    return poly;
}

bool BoxObject::CanConvertToType(Class_ID obtype) {
    return obtype == TRIOBJ_CLASS_ID || obtype == POLYOBJ_CLASS_ID;
}

Object* BoxObject::ConvertToType(TimeValue, Class_ID obtype) {
    if (obtype == TRIOBJ_CLASS_ID) return TriObject::FromPolygons(BuildPolyMesh());
    if (obtype == POLYOBJ_CLASS_ID) return new PolyObject(BuildPolyMesh());
    return nullptr;
}
