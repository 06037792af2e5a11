#include "host/scene/PolyObject.h"

#include "host/scene/TriObject.h"

#include <utility>

PolyObject::PolyObject(PolyMesh mesh) : mesh_(std::move(mesh)) {}

bool PolyObject::CanConvertToType(Class_ID obtype) {
    return obtype == POLYOBJ_CLASS_ID || obtype == TRIOBJ_CLASS_ID;
}

Object* PolyObject::ConvertToType(TimeValue t, Class_ID obtype) {
    if (obtype == TRIOBJ_CLASS_ID) return TriObject::FromPolygons(mesh_);
    return GeomObject::ConvertToType(t, obtype);
}
