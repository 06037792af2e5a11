#pragma once
// The export's visit of every scene node: classify it, have its record write
// it, grow the scene bounds, keep the progress display moving and stop when
// the user cancels.

#include "host/scene/INode.h"

class SceneBounds;
struct ExportContext;

class SceneWalker : public ITreeEnumProc {
public:
    SceneWalker(ExportContext& context, SceneBounds& bounds, bool selectedOnly);
    int callback(INode* node) override;

    int Total() const { return total_; }
    int Count() const { return count_; }

private:
    ExportContext& context_;
    SceneBounds& bounds_;
    bool selectedOnly_;
    int total_;
    int count_ = 0;
};
