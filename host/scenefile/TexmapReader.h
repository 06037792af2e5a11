#pragma once
// Texmap: {"bitmap": path, "channel": 1..99, "width": int, "height": int}, a
// bitmap texture, or {"type": "checker"}, a texture map that is no bitmap.
// Without width and height the bitmap's size comes from the image file,
// a relative path being taken from the scene file's folder.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class Texmap;

namespace scenefile {

// The new map belongs to the context's scene.
Texmap* ReadTexmap(const JsonCursor& map, ReadContext& context);

}  // namespace scenefile
