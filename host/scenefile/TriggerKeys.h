#pragma once
// The keys of the object plug-in's "Trigger" type: its class, collision
// cylinder, event node and the class's own properties by their map lines.
// The object is given them as a saved scene gives them, through its own
// load; the event is referenced once every node is read.

#include "host/scenefile/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class Object;

namespace scenefile {

Object* ReadTriggerObject(const JsonCursor& object, ReadContext& context);

}  // namespace scenefile
