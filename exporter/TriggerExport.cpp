#include "exporter/TriggerExport.h"

#include "common/PluginClasses.h"
#include "common/T3dWriter.h"
#include "exporter/ModifierLines.h"

int TriggerExport::Write() {
    // The driver made this record for the trigger helper's class id only.
    auto* trigger = static_cast<TriggerHelper*>(node.EvalWorldState(0).obj);
    T3dWriter& writer = context.writer;
    writer.BeginActor(trigger->GetTriggerClass(), name);
    WriteModifierLines(modifier, writer);
    WritePlacement(kPlacementLocation);
    trigger->TriggerT3DExport(&writer);
    writer.End("Actor");
    return 0;
}
