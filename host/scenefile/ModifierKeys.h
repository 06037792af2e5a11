#pragma once
// The keys of the modifier plug-in's three types. Each reader makes the
// modifier through the class that corvatrix.dlm registered, so the scene
// holds the module's own object, and sets its values through the
// modifier's parameter array, as its rollup pages would:
//   "Unreal Properties": properties
//   "Unreal Brush": brushType, csgOperation, polyFlags, properties
//   "Unreal Mover": properties, worldRTKey, brushRTKey, isLeader

#include "host/scenefile/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class Modifier;

namespace scenefile {

Modifier* ReadPropertiesModifier(const JsonCursor& modifier, ReadContext& context);
Modifier* ReadBrushModifier(const JsonCursor& modifier, ReadContext& context);
Modifier* ReadMoverModifier(const JsonCursor& modifier, ReadContext& context);

}  // namespace scenefile
