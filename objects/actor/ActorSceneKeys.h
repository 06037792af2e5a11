#pragma once
// The keys of "Actor" in scene files: its class from the module's actor
// library ("class" or "definition"), the display switches and the values of
// the class's properties by their T3D names.

#include "host/scenekeys/SceneKeyReader.h"

const scenefile::SceneKeyReader& ActorKeys();
