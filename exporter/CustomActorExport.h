#pragma once
// The record of an actor helper node: an actor of whatever class the helper's
// definition names, with the helper's own property lines.

#include "exporter/ExportActor.h"

class CustomActorExport : public ExportActor {
public:
    using ExportActor::ExportActor;

    // 0 when written; 2, with nothing written, when the helper has no class.
    int Write() override;
};
