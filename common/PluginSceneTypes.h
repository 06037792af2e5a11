#pragma once
// The scene types this system's modules read, and which module reads each,
// so that a scene naming one while its module is missing says what to load.

#include "host/scenefile/PluginTypeHint.h"

constexpr PluginTypeHint kPluginSceneTypes[] = {
    {"Actor", "object", "corvatrix.dlo"},
    {"Trigger", "object", "corvatrix.dlo"},
    {"Unreal Properties", "modifier", "corvatrix.dlm"},
    {"Unreal Brush", "modifier", "corvatrix.dlm"},
    {"Unreal Mover", "modifier", "corvatrix.dlm"},
};
