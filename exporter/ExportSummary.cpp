#include "exporter/ExportSummary.h"

#include "exporter/LowerCase.h"
#include "host/scene/INode.h"
#include "host/scene/Object.h"

#include <algorithm>

namespace {

constexpr int kCsgAdd = 0;
constexpr int kCsgSubtract = 1;

std::string Count(int count) { return std::to_string(count); }

}  // namespace

void ExportSummary::CountWritten(NodeKind kind, int csgOperation) {
    switch (kind) {
        case NodeKind::Brush:
            if (csgOperation == kCsgAdd) {
                ++added_;
            } else if (csgOperation == kCsgSubtract) {
                ++subtracted_;
            } else {
                ++otherBrushes_;
            }
            break;
        case NodeKind::StaticMesh: ++staticMeshes_; break;
        case NodeKind::Light: ++lights_; break;
        case NodeKind::Mover: ++movers_; break;
        case NodeKind::Trigger: ++triggers_; break;
        case NodeKind::Actor: ++actors_; break;
        case NodeKind::None: break;
    }
}

void ExportSummary::CountSkipped(const std::string& reason) {
    auto found = std::find_if(skipped_.begin(), skipped_.end(),
                              [&reason](const std::pair<std::string, int>& entry) { return entry.first == reason; });
    if (found == skipped_.end()) {
        skipped_.emplace_back(reason, 1);
    } else {
        ++found->second;
    }
}

std::string ExportSummary::Text(const std::string& package, int aseFiles, int warnings) const {
    int skippedCount = 0;
    std::string reasons;
    for (const auto& [reason, count] : skipped_) {
        skippedCount += count;
        reasons += (reasons.empty() ? " (" : ", ") + Count(count) + " " + reason;
    }
    if (!reasons.empty()) reasons += ")";
    std::string text = "Package: " + package + "\n";
    text += "Brushes: " + Count(added_ + subtracted_ + otherBrushes_) + " (" + Count(added_) + " add, " +
            Count(subtracted_) + " subtract, " + Count(otherBrushes_) + " other)\n";
    text += "Static meshes: " + Count(staticMeshes_) + " (ASE files written: " + Count(aseFiles) + ")\n";
    text += "Lights: " + Count(lights_) + "\n";
    text += "Movers: " + Count(movers_) + "\n";
    text += "Triggers: " + Count(triggers_) + "\n";
    text += "Actors: " + Count(actors_) + "\n";
    text += "Skipped nodes: " + Count(skippedCount) + reasons + "\n";
    text += "Warnings: " + Count(warnings) + "\n";
    return text;
}

std::string SkipReason(INode& node) {
    const Object* object = node.EvalWorldState(0).obj;
    return object ? LowerCase(object->GetClassName()) : "node without an object";
}
