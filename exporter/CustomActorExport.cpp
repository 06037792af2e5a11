#include "exporter/CustomActorExport.h"

#include "common/PluginClasses.h"
#include "common/T3dWriter.h"
#include "exporter/ModifierLines.h"

namespace {

constexpr int kWritten = 0;
constexpr int kNoClass = 2;

}  // namespace

int CustomActorExport::Write() {
    // The driver made this record for the actor helper's class id only.
    auto* helper = static_cast<ActorHelper*>(node.EvalWorldState(0).obj);
    const std::string actorClass = helper->GetActorObjClass();
    // A helper without a chosen definition has no class worth a line.
    if (actorClass.size() <= 1) return kNoClass;

    T3dWriter& writer = context.writer;
    writer.BeginActor(actorClass, name);
    WriteModifierLines(modifier, writer);
    WritePlacement(kPlacementAll);
    helper->ActorT3DExport(&writer);
    writer.End("Actor");
    return kWritten;
}
