#pragma once
// The record of a trigger helper node: a trigger actor placed by location
// alone, with the helper's own property lines.

#include "exporter/ExportActor.h"

class TriggerExport : public ExportActor {
public:
    using ExportActor::ExportActor;

    // Always 0: a trigger is written whatever its class.
    int Write() override;
};
