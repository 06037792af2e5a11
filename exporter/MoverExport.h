#pragma once
// A mesh node with the mover modifier: exported as a static mesh, shown by a
// Mover actor that moves through up to eight keys of the node's animation.

#include "exporter/StaticMeshExport.h"

class MoverExport : public StaticMeshExport {
public:
    using StaticMeshExport::StaticMeshExport;

    // The Mover block; nothing when the modifier is not a mover modifier.
    void WriteActor() override;

private:
    void WriteKeys();
};
