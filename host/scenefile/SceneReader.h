#pragma once
// The scene file's document: {"materials": [...], "objects": [...],
// "nodes": [...]}, every key optional. Materials come first and shared
// objects second, so that nodes can name both.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/ReadContext.h"

namespace scenefile {

// Fills context.scene from document; throws ReadError at the first fault.
void ReadScene(const JsonCursor& document, ReadContext& context);

}  // namespace scenefile
