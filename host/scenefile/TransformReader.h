#pragma once
// Transform: {"position": [x,y,z], "rotation": [ax,ay,az] (degrees, XYZ
// order) or {"quat": [x,y,z,w]}, "scale": [sx,sy,sz]}, every key optional.

#include "host/math/Point3.h"
#include "host/math/Quat.h"
#include "host/scenekeys/JsonCursor.h"

namespace scenefile {

struct Transform {
    Point3 position;
    Quat rotation;
    Point3 scale{1.0f, 1.0f, 1.0f};
};

// The rotation as a unit quaternion, whichever form the file gives.
Transform ReadTransform(const JsonCursor& transform);

}  // namespace scenefile
