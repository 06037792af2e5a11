#pragma once
// The record of a light node: an engine Light actor with the host light's
// colour, brightness and spot cone. With the AdjustLight option it then
// changes the host light itself, so that the host's own preview comes closer
// to what the engine makes of it.

#include "exporter/ExportActor.h"

class LightObject;

class LightExport : public ExportActor {
public:
    using ExportActor::ExportActor;

    // 0 when written. Nothing is written for a light that is switched off (1)
    // or of a kind the engine gets no light for, a free spot or a
    // directional light (-1).
    int Write() override;
};

// Far attenuation from the far start (defaults when attenuation is off, which
// it then switches on) and hotspot from the fall-off. Applying it again
// changes nothing.
void AdjustHostLight(LightObject& light);
