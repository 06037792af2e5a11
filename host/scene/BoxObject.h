#pragma once
// The box primitive: length along Y, width along X, height along Z, with its
// pivot at the centre of the base.
//
// Vertices: bit 0 of the index picks +X over -X, bit 1 +Y over -Y, bit 2 the
// top over the base, so 0 = (-X,-Y,base) ... 7 = (+X,+Y,top).
// Polygons, each counter-clockwise seen from outside, material id = index,
// smoothing group 2 << index:
//   0 bottom 2,3,1,0   1 top 4,5,7,6    2 front (-Y) 0,1,5,4
//   3 right  1,3,7,5   4 back 3,2,6,7   5 left (-X)  2,0,4,6
// Map channel 1 has the four map vertices (0,0), (1,0), (1,1), (0,1), named
// by every polygon's corners in that order, so each side covers 0..1 in U
// and V. The triangle form fans each polygon: triangles 2i and 2i+1 are
// corners (0,1,2) and (0,2,3) of polygon i, their shared diagonal invisible.

#include "host/scene/HostClassIds.h"
#include "host/scene/Object.h"
#include "host/scene/PolyMesh.h"

class BoxObject : public GeomObject {
public:
    BoxObject() = default;
    BoxObject(float length, float width, float height);

    Class_ID ClassID() const override { return BOXOBJ_CLASS_ID; }
    std::string GetClassName() const override { return "Box"; }

    float GetLength() const { return length_; }
    float GetWidth() const { return width_; }
    float GetHeight() const { return height_; }
    void SetLength(float length) { length_ = length; }
    void SetWidth(float width) { width_ = width; }
    void SetHeight(float height) { height_ = height; }

    // The six quadrilaterals described above.
    PolyMesh BuildPolyMesh() const;

    bool CanConvertToType(Class_ID obtype) override;
    // Always a new object: the box itself is neither class.
    Object* ConvertToType(TimeValue t, Class_ID obtype) override;

private:
    float length_ = 10.0f;
    float width_ = 10.0f;
    float height_ = 10.0f;
};
