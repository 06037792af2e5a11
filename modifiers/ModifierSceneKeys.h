#pragma once
// The keys of the module's three modifier types in scene files, each set
// through the modifier's parameter array as its rollup pages would:
//   "Unreal Properties": properties
//   "Unreal Brush": brushType, csgOperation, polyFlags, properties
//   "Unreal Mover": properties, worldRTKey, brushRTKey, isLeader

#include "host/scenekeys/SceneKeyReader.h"

const scenefile::SceneKeyReader& PropertiesKeys();
const scenefile::SceneKeyReader& BrushKeys();
const scenefile::SceneKeyReader& MoverKeys();
