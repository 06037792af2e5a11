#pragma once
// The classes of the object and modifier modules that the exporter calls
// into. The exporter finds their instances in the scene by class id and
// calls the operations below through the instance's table of virtual
// operations, never by import, so the exporter and the module that defines
// an instance must agree on that table. What they agree on:
//
// - each class adds its operations directly after those of its host base
//   class, in the order declared here; adding, removing or reordering a
//   virtual operation in these classes breaks every module built before;
// - a module's concrete class derives from these declarations unchanged and
//   may add further operations only after them, and further bases (such as
//   a parameter array) only after the contract class;
// - an operation that takes the writer writes property lines at the
//   writer's current depth and leaves the depth as it found it; the writer
//   is only borrowed for the call;
// - the class names come back by value, owned by the caller;
// - the brush modifier's three values are plain fields read directly.
//
// CORVATRIX_CONTRACT gives these classes, and the concrete classes the
// modules derive from them, default visibility: their type information,
// virtual tables and named operations are then exported from whichever
// module defines them, although the modules are built with hidden visibility.

#include "common/PluginClassIds.h"
#include "host/scene/Modifier.h"
#include "host/scene/Object.h"

#include <cstdint>
#include <string>

#define CORVATRIX_CONTRACT __attribute__((visibility("default")))

class T3dWriter;

// An engine actor of the class that its actor definition names.
class CORVATRIX_CONTRACT ActorHelper : public GeomObject {
public:
    Class_ID ClassID() const override { return ACTOR_HELPER_CLASS_ID; }

    // The definition's property lines with their current values.
    virtual std::int32_t ActorT3DExport(T3dWriter* writer) = 0;
    // The engine class, or at most one character when none is chosen.
    virtual std::string GetActorObjClass() = 0;
};

// One of the engine's trigger actors.
class CORVATRIX_CONTRACT TriggerHelper : public HelperObject {
public:
    Class_ID ClassID() const override { return TRIGGER_HELPER_CLASS_ID; }

    // The collision cylinder, the event and the class's own property lines.
    virtual std::int32_t TriggerT3DExport(T3dWriter* writer) = 0;
    virtual std::string GetTriggerClass() = 0;
};

// The common actor properties ("Unreal Properties"); base of the brush and
// mover modifiers, which write these lines too.
class CORVATRIX_CONTRACT CXMod : public Modifier {
public:
    Class_ID ClassID() const override { return CXMOD_CLASS_ID; }

    virtual std::int32_t CXModT3DExport(T3dWriter* writer) = 0;
};

// Tags a mesh as a CSG brush ("Unreal Brush"). Adds no operations: the
// exporter reads its values, which the modifier module keeps in the fields.
class CORVATRIX_CONTRACT BrushModifier : public CXMod {
public:
    Class_ID ClassID() const override { return BRUSH_MODIFIER_CLASS_ID; }

    // 0 Solid, 1 Semi-Solid, 2 Not Solid.
    std::int32_t BrushType() const { return brushType; }
    // 0 Add, 1 Subtract, 2 Intersect, 3 Deintersect.
    std::int32_t CsgOperation() const { return csgOperation; }
    // The editor's polygon flag bits, never the two solidity bits that the
    // brush type stands for.
    std::uint32_t PolyFlags() const { return polyFlags; }

protected:
    std::int32_t brushType = 0;
    std::int32_t csgOperation = 0;
    std::uint32_t polyFlags = 0;
};

// Tags a mesh as a mover ("Unreal Mover"); its key positions come from the
// node's animation.
class CORVATRIX_CONTRACT MoverModifier : public CXMod {
public:
    Class_ID ClassID() const override { return MOVER_MODIFIER_CLASS_ID; }

    // The mover's own lines, after the common ones.
    virtual std::int32_t MoverModT3DExport(T3dWriter* writer) = 0;
};
