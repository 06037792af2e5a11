#pragma once
// Modifier: {"type": "other", "name": ...} for a host modifier the plug-ins
// do not know; the plug-in types ("Unreal Properties", "Unreal Brush",
// "Unreal Mover") through PluginTypes.

#include "host/scenefile/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class Modifier;

namespace scenefile {

// The new modifier belongs to the context's scene.
Modifier* ReadModifier(const JsonCursor& modifier, ReadContext& context);

}  // namespace scenefile
