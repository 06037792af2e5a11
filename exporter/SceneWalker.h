#pragma once
// The export's visit of every scene node: classify it, have its record write
// it, count it for the summary, warn of a name another node already has, grow
// the scene bounds, keep the progress display moving and stop when the user
// cancels.

#include "exporter/ExportSummary.h"
#include "host/scene/INode.h"

#include <map>
#include <string>

class SceneBounds;
struct ExportContext;

class SceneWalker : public ITreeEnumProc {
public:
    SceneWalker(ExportContext& context, SceneBounds& bounds, bool selectedOnly);
    int callback(INode* node) override;

    int Total() const { return total_; }
    int Count() const { return count_; }
    const ExportSummary& Summary() const { return summary_; }

private:
    void CountResult(INode& node, const NodeClass& found, int result);
    void CheckName(INode& node);

    ExportContext& context_;
    SceneBounds& bounds_;
    bool selectedOnly_;
    int total_;
    int count_ = 0;
    ExportSummary summary_;
    // The engine names of the nodes written so far, in lower case (the
    // engine's names ignore case), with the host name that took each.
    std::map<std::string, std::string> names_;
};
