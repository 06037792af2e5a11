#include "exporter/SceneWalker.h"

#include "common/PluginClasses.h"
#include "common/PluginClassIds.h"
#include "common/Sanitize.h"
#include "exporter/EditorName.h"
#include "exporter/ExportActor.h"
#include "exporter/ExportContext.h"
#include "common/ExportOptions.h"
#include "exporter/LowerCase.h"
#include "exporter/NodeClassifier.h"
#include "exporter/RecordFactory.h"
#include "exporter/SceneBounds.h"
#include "exporter/TextureList.h"
#include "host/scene/Interface.h"

#include <algorithm>

namespace {

// LightExport's results for the lights it leaves out.
constexpr int kLightSwitchedOff = 1;

int CsgOperationOf(const Modifier* modifier) {
    if (!modifier || modifier->ClassID() != BRUSH_MODIFIER_CLASS_ID) return -1;
    return static_cast<const BrushModifier*>(modifier)->CsgOperation();
}

}  // namespace

SceneWalker::SceneWalker(ExportContext& context, SceneBounds& bounds, bool selectedOnly)
    : context_(context),
      bounds_(bounds),
      selectedOnly_(selectedOnly),
      total_(selectedOnly ? context.host->GetSelNodeCount()
                          : (context.host->GetRootNode() ? context.host->GetRootNode()->NumberOfChildren() : 0)) {}

int SceneWalker::callback(INode* node) {
    Interface& ip = *context_.host;
    if (ip.GetCancel()) return TREE_ABORT;
    if (selectedOnly_ && !node->Selected()) return TREE_CONTINUE;

    NodeClass found = ClassifyNode(*node);
    if (found.hasGeometry && context_.options.BoundBrush) bounds_.Add(*node);
    if (std::unique_ptr<ExportActor> record = CreateRecord(found.kind, context_, *node, found.modifier)) {
        CountResult(*node, found, record->Write());
    } else {
        summary_.CountSkipped(SkipReason(*node));
    }

    // The divisor counts the top-level nodes only, so nested nodes would
    // carry the display past 100%.
    int percent = total_ > 0 ? std::min(count_ * 100 / total_, 100) : 100;
    ip.ProgressUpdate(percent, node->GetName());
    ++count_;
    return TREE_CONTINUE;
}

void SceneWalker::CountResult(INode& node, const NodeClass& found, int result) {
    if (result == 0) {
        summary_.CountWritten(found.kind, CsgOperationOf(found.modifier));
        CheckName(node);
    } else if (found.kind == NodeKind::Light) {
        summary_.CountSkipped(result == kLightSwitchedOff ? "switched-off light" : SkipReason(node) + " light");
    } else {
        summary_.CountSkipped(SkipReason(node) + " that could not be written");
    }
}

void SceneWalker::CheckName(INode& node) {
    std::string name = node.GetName();
    Sanitize(name);
    FitEditorName(name);
    const auto [first, added] = names_.emplace(LowerCase(name), node.GetName());
    // Meshes of equal names were told apart when they were named.
    const ExportRegistry& registry = context_.registry;
    const std::string meshNote = registry.MeshRenamed(node) ? "; the static mesh of \"" + std::string(node.GetName()) +
                                                                  "\" is imported as " + registry.MeshNameOf(node)
                                                            : std::string();
    if (!added) {
        context_.host->Warn("two nodes of the same name", "nodes \"" + first->second + "\" and \"" + node.GetName() +
                                                               "\" are both named " + name +
                                                               " in the map: the editor cannot tell them apart" +
                                                               meshNote);
    } else if (!meshNote.empty()) {
        context_.host->Warn("two nodes of the same name",
                            "another static mesh is named " + name + ":" + meshNote.substr(1));
    }
}
