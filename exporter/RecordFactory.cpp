#include "exporter/RecordFactory.h"

#include "exporter/BrushExport.h"
#include "exporter/CustomActorExport.h"
#include "exporter/ExportActor.h"
#include "exporter/LightExport.h"
#include "exporter/MoverExport.h"
#include "exporter/StaticMeshExport.h"
#include "exporter/TriggerExport.h"

std::unique_ptr<ExportActor> CreateRecord(NodeKind kind, ExportContext& context, INode& node, Modifier* modifier) {
    switch (kind) {
        case NodeKind::Actor: return std::make_unique<CustomActorExport>(context, node, modifier);
        case NodeKind::Trigger: return std::make_unique<TriggerExport>(context, node, modifier);
        case NodeKind::Light: return std::make_unique<LightExport>(context, node, modifier);
        case NodeKind::StaticMesh: return std::make_unique<StaticMeshExport>(context, node, modifier);
        case NodeKind::Brush: return std::make_unique<BrushExport>(context, node, modifier);
        case NodeKind::Mover: return std::make_unique<MoverExport>(context, node, modifier);
        case NodeKind::None: break;
    }
    return nullptr;
}
