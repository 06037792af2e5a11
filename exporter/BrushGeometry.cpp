#include "exporter/BrushGeometry.h"

#include "exporter/BrushFaces.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/INode.h"
#include "host/scene/PolyObject.h"
#include "host/scene/TriObject.h"

BrushGeometry::BrushGeometry(INode& node, bool polygonForm)
    : BrushGeometry(node, node.EvalWorldState(0).obj, polygonForm) {}

BrushGeometry::BrushGeometry(INode& node, Object* evaluated, bool polygonForm)
    : triangleObject_(evaluated, TRIOBJ_CLASS_ID),
      // Without triangles there is no brush, so its polygons are not asked for.
      polygonObject_(polygonForm && triangleObject_.Get() ? evaluated : nullptr, POLYOBJ_CLASS_ID),
      objectTM_(node.GetObjectTM(0)) {
    if (const Object* triangles = triangleObject_.Get()) {
        triangles_ = &static_cast<const TriObject*>(triangles)->GetMesh();
    }
    if (const Object* polygons = polygonObject_.Get()) {
        polygons_ = &static_cast<const PolyObject*>(polygons)->GetMesh();
    }
}

int BrushGeometry::FaceCount() const {
    if (polygons_) return polygons_->numFaces();
    return triangles_ ? triangles_->getNumFaces() : 0;
}

bool BrushGeometry::ConvertFace(int face, const TextureList& textures, BrushPolygon& polygon) const {
    if (polygons_) return ::ConvertFace(*polygons_, face, objectTM_, textures, polygon);
    ::ConvertFace(*triangles_, face, objectTM_, textures, polygon);
    return true;
}
