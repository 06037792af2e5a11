#include "exporter/MoverExport.h"

#include "common/PluginClasses.h"
#include "common/PluginClassIds.h"
#include "common/T3dWriter.h"
#include "exporter/ActorPlacement.h"
#include "host/scene/Control.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/INode.h"
#include "host/scene/Interface.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The engine interpolates between at most eight keys; key 0 is the base.
constexpr int kMaxKeys = 8;
constexpr float kSecondsPerTick = 0.00020833334f;

// The key access of a position track when it is of a kind whose keys are
// known; null otherwise.
const IKeyControl* TrackKeys(Control* track) {
    if (!track) return nullptr;
    const Class_ID kind = track->ClassID();
    if (kind != LININTERP_FLOAT_CLASS_ID && kind != BEZIER_FLOAT_CLASS_ID && kind != TCB_FLOAT_CLASS_ID) return nullptr;
    return track->GetKeyControlInterface();
}

bool HasKeys(const IKeyControl* keys) { return keys && keys->GetNumKeys() > 0; }

// The times the mover stops at: the position X track's keys when it has any;
// otherwise every time at which the Y or Z track or the rotation has a key,
// in time order, since the artist may animate a lift on Z alone.
std::vector<TimeValue> KeyTimes(INode& node) {
    Control* position = node.GetPositionController();
    const IKeyControl* x = TrackKeys(position ? position->GetXController() : nullptr);
    std::vector<const IKeyControl*> tracks{x};
    if (!HasKeys(x)) {
        tracks = {TrackKeys(position ? position->GetYController() : nullptr),
                  TrackKeys(position ? position->GetZController() : nullptr), node.GetRotationKeys()};
    }
    std::vector<TimeValue> times;
    for (const IKeyControl* keys : tracks) {
        for (int i = 0; keys && i < keys->GetNumKeys(); ++i) times.push_back(keys->GetKeyTime(i));
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
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
    const std::vector<TimeValue> times = KeyTimes(node);
    if (times.size() > static_cast<std::size_t>(kMaxKeys)) {
        context.host->Warn("mover with more than eight keys",
                           "mover " + name + " has " + std::to_string(times.size()) +
                               " keys: the editor moves through the first eight only");
    }
    const int count = std::min(static_cast<int>(times.size()), kMaxKeys);
    if (count <= 1) return;

    T3dWriter& writer = context.writer;
    for (int i = 1; i < count; ++i) {
        const ActorPlacement at(node, times[static_cast<std::size_t>(i)]);
        const std::string index = "(" + std::to_string(i) + ")";
        writer.WriteVector("KeyPos" + index, at.location - placement.location);
        writer.WriteString("KeyRot" + index,
                           RotationText(at.pitch - placement.pitch, at.yaw - placement.yaw, at.roll - placement.roll),
                           false);
    }
    writer.WriteFloat("MoveTime", static_cast<float>(times[static_cast<std::size_t>(count - 1)]) * kSecondsPerTick);
    writer.WriteLong("NumKeys", count);
}
