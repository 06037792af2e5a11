#pragma once
// The record that writes a node of a given kind.

#include "exporter/NodeClassifier.h"

#include <memory>

class ExportActor;
class INode;
class Modifier;
struct ExportContext;

// Null for a kind that writes nothing.
std::unique_ptr<ExportActor> CreateRecord(NodeKind kind, ExportContext& context, INode& node, Modifier* modifier);
