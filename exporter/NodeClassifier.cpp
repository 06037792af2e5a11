#include "exporter/NodeClassifier.h"

#include "common/PluginClassIds.h"
#include "host/scene/DerivedObject.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/INode.h"
#include "host/scene/Modifier.h"
#include "host/scene/Object.h"

#include <cstddef>

namespace {

IDerivedObject* ModifierStack(INode& node) {
    Object* ref = node.GetObjectRef();
    if (!ref || ref->SuperClassID() != GEN_DERIVOB_CLASS_ID) return nullptr;
    return static_cast<IDerivedObject*>(ref);
}

// The first modifier from the top of the stack whose class is one of ids.
template <std::size_t N>
Modifier* TopmostOf(IDerivedObject* stack, const Class_ID (&ids)[N]) {
    if (!stack) return nullptr;
    for (int i = 0; i < stack->NumModifiers(); ++i) {
        Modifier* modifier = stack->GetModifier(i);
        if (!modifier) continue;
        for (const Class_ID& id : ids) {
            if (modifier->ClassID() == id) return modifier;
        }
    }
    return nullptr;
}

}  // namespace

NodeClass ClassifyNode(INode& node) {
    NodeClass result;
    IDerivedObject* stack = ModifierStack(node);
    result.modifier = TopmostOf(stack, {CXMOD_CLASS_ID});

    Object* object = node.EvalWorldState(0).obj;
    if (!object) return result;
    switch (object->SuperClassID()) {
        case GEOMOBJECT_CLASS_ID:
            if (object->ClassID() == ACTOR_HELPER_CLASS_ID) {
                result.kind = NodeKind::Actor;
            } else if (object->CanConvertToType(TRIOBJ_CLASS_ID)) {
                result.kind = NodeKind::StaticMesh;
                result.hasGeometry = true;
                if (Modifier* tag = TopmostOf(stack, {BRUSH_MODIFIER_CLASS_ID, MOVER_MODIFIER_CLASS_ID})) {
                    result.kind = tag->ClassID() == BRUSH_MODIFIER_CLASS_ID ? NodeKind::Brush : NodeKind::Mover;
                    result.modifier = tag;
                }
            }
            break;
        case LIGHT_CLASS_ID: result.kind = NodeKind::Light; break;
        case HELPER_CLASS_ID:
            if (object->ClassID() == TRIGGER_HELPER_CLASS_ID) result.kind = NodeKind::Trigger;
            break;
        default: break;
    }
    return result;
}
