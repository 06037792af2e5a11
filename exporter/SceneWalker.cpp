#include "exporter/SceneWalker.h"

#include "exporter/ExportActor.h"
#include "exporter/ExportContext.h"
#include "common/ExportOptions.h"
#include "exporter/NodeClassifier.h"
#include "exporter/RecordFactory.h"
#include "exporter/SceneBounds.h"
#include "host/scene/Interface.h"

#include <algorithm>

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
        record->Write();
    }

    // The divisor counts the top-level nodes only, so nested nodes would
    // carry the display past 100%.
    int percent = total_ > 0 ? std::min(count_ * 100 / total_, 100) : 100;
    ip.ProgressUpdate(percent, node->GetName());
    ++count_;
    return TREE_CONTINUE;
}
