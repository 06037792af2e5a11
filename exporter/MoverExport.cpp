#include "exporter/MoverExport.h"

#include "common/PluginClasses.h"
#include "common/PluginClassIds.h"
#include "common/T3dWriter.h"
#include "exporter/ActorPlacement.h"
#include "host/scene/Control.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/INode.h"

#include <algorithm>
#include <string>

namespace {

// The engine interpolates between at most eight keys; key 0 is the base.
constexpr int kMaxKeys = 8;
constexpr float kSecondsPerTick = 0.00020833334f;

// The key access of the node's position X track when it is of a kind whose
// keys are known; null otherwise.
IKeyControl* XTrackKeys(INode& node) {
    Control* position = node.GetPositionController();
    Control* x = position ? position->GetXController() : nullptr;
    if (!x) return nullptr;
    const Class_ID kind = x->ClassID();
    if (kind != LININTERP_FLOAT_CLASS_ID && kind != BEZIER_FLOAT_CLASS_ID && kind != TCB_FLOAT_CLASS_ID) return nullptr;
    return x->GetKeyControlInterface();
}

}  // namespace

void MoverExport::WriteActor() {
    if (!modifier || modifier->ClassID() != MOVER_MODIFIER_CLASS_ID) return;
    auto* mover = static_cast<MoverModifier*>(modifier);
    T3dWriter& writer = context.writer;

    writer.BeginActor("Mover", name);
    mover->MoverModT3DExport(&writer);
    mover->CXModT3DExport(&writer);
    WriteKeys();
    writer.WriteString("DrawType", "DT_STATICMESH", false);
    writer.WriteString("StaticMesh", StaticMeshReference(), false);
    WritePlacement(kPlacementAll);
    writer.WriteVector("BasePos", placement.location);
    writer.WriteString("BaseRot", RotationText(placement.pitch, placement.yaw, placement.roll), false);
    writer.WriteString("Tag", name, true);
    writer.WriteString("Name", name, true);
    writer.End("Actor");
}

void MoverExport::WriteKeys() {
    IKeyControl* keys = XTrackKeys(node);
    if (!keys) return;
    const int count = std::min(keys->GetNumKeys(), kMaxKeys);
    if (count <= 1) return;

    T3dWriter& writer = context.writer;
    for (int i = 1; i < count; ++i) {
        const ActorPlacement at(node, keys->GetKeyTime(i));
        const std::string index = "(" + std::to_string(i) + ")";
        writer.WriteVector("KeyPos" + index, at.location - placement.location);
        writer.WriteString("KeyRot" + index,
                           RotationText(at.pitch - placement.pitch, at.yaw - placement.yaw, at.roll - placement.roll),
                           false);
    }
    writer.WriteFloat("MoveTime", static_cast<float>(keys->GetKeyTime(count - 1)) * kSecondsPerTick);
    writer.WriteLong("NumKeys", count);
}
