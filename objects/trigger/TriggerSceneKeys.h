#pragma once
// The keys of "Trigger" in scene files: its class, collision cylinder, event
// node (by name) and the class's own properties by their map lines.

#include "host/scenekeys/SceneKeyReader.h"

const scenefile::SceneKeyReader& TriggerKeys();
