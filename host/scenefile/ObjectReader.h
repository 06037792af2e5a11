#pragma once
// Object: {"type": ..., keys of the type}. The host's own types are read
// here; the plug-in types ("Actor", "Trigger") by the loaded classes that read them.

#include "host/scenefile/ReadContext.h"
#include "host/scenekeys/JsonCursor.h"

class Object;

namespace scenefile {

// The new object belongs to the context's scene. A shared object (from the
// top-level "objects") carries its "name"; an object inside a node has none.
Object* ReadObject(const JsonCursor& object, ReadContext& context, bool shared);

}  // namespace scenefile
