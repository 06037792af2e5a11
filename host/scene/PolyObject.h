#pragma once
// The polygon-mesh object: faces of any degree, as the artist modelled them.

#include "host/scene/HostClassIds.h"
#include "host/scene/Object.h"
#include "host/scene/PolyMesh.h"

class PolyObject : public GeomObject {
public:
    PolyObject() = default;
    explicit PolyObject(PolyMesh mesh);

    Class_ID ClassID() const override { return POLYOBJ_CLASS_ID; }
    std::string GetClassName() const override { return "Editable Poly"; }

    PolyMesh& GetMesh() { return mesh_; }
    const PolyMesh& GetMesh() const { return mesh_; }

    bool CanConvertToType(Class_ID obtype) override;
    Object* ConvertToType(TimeValue t, Class_ID obtype) override;

private:
    PolyMesh mesh_;
};
