#pragma once
// The "mesh" object: an editable mesh from "vertices", "faces" and/or
// "polygons", "uv" and "colors". With polygons only, the triangles are the
// polygons' fans; with faces only, the polygon form has one polygon per
// triangle.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

class Object;

namespace scenefile {

// The new object belongs to the context's scene.
Object* ReadMesh(const JsonCursor& object, ReadContext& context);

}  // namespace scenefile
