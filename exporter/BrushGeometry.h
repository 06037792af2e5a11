#pragma once
// A brush node's faces at time 0, ready to be converted one at a time: the
// triangles of its mesh, or with the polygon form the polygons the artist
// modelled, so that coplanar triangles stay one brush polygon.

#include "exporter/BrushPolygon.h"
#include "exporter/ObjectForm.h"
#include "host/math/Matrix3.h"
#include "host/scene/Object.h"

class INode;
class Mesh;
class PolyMesh;
class TextureList;

class BrushGeometry {
public:
    // The polygon form falls back to the triangles, without a word, when the
    // object has no polygon form.
    BrushGeometry(INode& node, bool polygonForm);

    // False when the object cannot become a triangle mesh: then there is no
    // brush to write.
    bool IsValid() const { return triangles_ != nullptr; }
    // 0 when not valid.
    int FaceCount() const;
    // Face face (0..FaceCount()-1) as a brush polygon; false when it has no
    // corners.
    bool ConvertFace(int face, const TextureList& textures, BrushPolygon& polygon) const;

private:
    BrushGeometry(INode& node, Object* evaluated, bool polygonForm);

    ObjectForm triangleObject_;
    ObjectForm polygonObject_;
    const Mesh* triangles_ = nullptr;
    // Null in the triangle form.
    const PolyMesh* polygons_ = nullptr;
    Matrix3 objectTM_;
};
