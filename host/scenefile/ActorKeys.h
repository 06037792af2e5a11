#pragma once
// The keys of the object plug-in's "Actor" type: its class from the actor
// library beside the loaded module, the display switches and the values of
// the class's properties. The object is given them as a saved scene gives
// them, through its own load.

#include "host/scenefile/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class Object;

namespace scenefile {

Object* ReadActorObject(const JsonCursor& object, ReadContext& context);

}  // namespace scenefile
