#include "exporter/SceneBounds.h"

#include "host/scene/HostClassIds.h"
#include "host/scene/INode.h"
#include "host/scene/Object.h"
#include "host/scene/TriObject.h"

#include <algorithm>

bool SceneBounds::Add(INode& node) {
    Object* object = node.EvalWorldState(0).obj;
    if (!object || !object->CanConvertToType(TRIOBJ_CLASS_ID)) return false;
    auto* tri = static_cast<TriObject*>(object->ConvertToType(0, TRIOBJ_CLASS_ID));
    if (!tri) return false;
    const Matrix3 tm = node.GetObjectTM(0);
    const Mesh& mesh = tri->GetMesh();
    for (int i = 0; i < mesh.getNumVerts(); ++i) {
        Point3 p = mesh.getVert(i) * tm;
        for (int axis = 0; axis < 3; ++axis) {
            min_[axis] = std::min(min_[axis], p[axis]);
            max_[axis] = std::max(max_[axis], p[axis]);
        }
    }
    if (tri != object) tri->DeleteThis();
    return true;
}
