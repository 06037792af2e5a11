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

// The light keys of keys (an object of those keys only) over a light that
// exists already, such as one a glTF file made; keys left out keep its values.
void ReadLightKeysOver(const JsonCursor& keys, StandardLight& light);

}  // namespace scenefile
