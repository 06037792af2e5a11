#pragma once
// Modifier: {"type": "other", "name": ...} for a host modifier the plug-ins
// do not know; the plug-in types ("Unreal Properties", "Unreal Brush",
// "Unreal Mover") by the loaded classes that read them.

#include "host/scenefile/ReadContext.h"
#include "host/scenekeys/JsonCursor.h"

class Modifier;

namespace scenefile {

// The new modifier belongs to the context's scene.
Modifier* ReadModifier(const JsonCursor& modifier, ReadContext& context);

}  // namespace scenefile
