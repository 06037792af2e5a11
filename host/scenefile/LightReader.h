#pragma once
// The light objects "omni", "targetSpot", "freeSpot" and "directional" with
// their optional keys: on, color, multiplier, castShadows, hotspot, falloff,
// useAttenuation, farAttenuationStart, farAttenuationEnd.

#include "host/scene/LightObject.h"
#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

namespace scenefile {

// The new light belongs to the context's scene.
Object* ReadLight(const JsonCursor& object, ReadContext& context, LightType type);

}  // namespace scenefile
