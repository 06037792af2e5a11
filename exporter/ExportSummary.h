#pragma once
// What one export put into the level, counted as the scene walk goes, and
// the text the user reads at its end: the package, the actors of each kind,
// the nodes left out with their reasons, the number of warnings.

#include "exporter/NodeClassifier.h"

#include <string>
#include <utility>
#include <vector>

class INode;

class ExportSummary {
public:
    // A node whose record was written; csgOperation counts for brushes only
    // (0 add, 1 subtract, anything else other).
    void CountWritten(NodeKind kind, int csgOperation);
    // A node left out; reasons are counted in the order first met.
    void CountSkipped(const std::string& reason);

    std::string Text(const std::string& package, int aseFiles, int warnings) const;

private:
    int added_ = 0;
    int subtracted_ = 0;
    int otherBrushes_ = 0;
    int staticMeshes_ = 0;
    int lights_ = 0;
    int movers_ = 0;
    int triggers_ = 0;
    int actors_ = 0;
    std::vector<std::pair<std::string, int>> skipped_;
};

// Why a node that makes no record is left out: its object's kind.
std::string SkipReason(INode& node);
