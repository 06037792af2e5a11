#include "host/scene/TriObject.h"

#include "host/scene/MeshConversion.h"
#include "host/scene/PolyObject.h"

#include <utility>

TriObject::TriObject(Mesh mesh) : mesh_(std::move(mesh)) {}

TriObject* TriObject::FromPolygons(PolyMesh poly) {
    auto* tri = new TriObject(TriangulatePolyMesh(poly));
    tri->SetPolygonForm(std::move(poly));
    return tri;
}

bool TriObject::CanConvertToType(Class_ID obtype) {
    return obtype == TRIOBJ_CLASS_ID || obtype == POLYOBJ_CLASS_ID;
}

Object* TriObject::ConvertToType(TimeValue t, Class_ID obtype) {
    if (obtype == POLYOBJ_CLASS_ID) {
        return new PolyObject(polygons_ ? *polygons_ : PolyMeshFromTriangles(mesh_));
    }
    return GeomObject::ConvertToType(t, obtype);
}
