#pragma once
// The triangle-mesh object, which is also the host's editable mesh. Besides
// its triangles it may keep the polygons the artist modelled; without them
// its polygon form has one polygon per triangle.

#include "host/scene/HostClassIds.h"
#include "host/scene/Mesh.h"
#include "host/scene/Object.h"
#include "host/scene/PolyMesh.h"

#include <optional>
#include <utility>

class TriObject : public GeomObject {
public:
    TriObject() = default;
    explicit TriObject(Mesh mesh);
    // The polygons fanned into triangles, keeping the polygons as the
    // polygon form; a new object the caller owns.
    static TriObject* FromPolygons(PolyMesh poly);

    Class_ID ClassID() const override { return TRIOBJ_CLASS_ID; }
    std::string GetClassName() const override { return "Editable Mesh"; }

    Mesh& GetMesh() { return mesh_; }
    const Mesh& GetMesh() const { return mesh_; }

    void SetPolygonForm(PolyMesh poly) { polygons_ = std::move(poly); }
    bool HasPolygonForm() const { return polygons_.has_value(); }

    bool CanConvertToType(Class_ID obtype) override;
    Object* ConvertToType(TimeValue t, Class_ID obtype) override;

private:
    Mesh mesh_;
    std::optional<PolyMesh> polygons_;
};
