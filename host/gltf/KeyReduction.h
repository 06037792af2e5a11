#pragma once
// Keys reduced in space, not in time. Modellers sample every frame (and
// ease in and out), while the editor's mover glides between its keys by
// itself: a key is dropped when its position lies on the straight segment
// between the neighbouring kept keys (within 0.001 units, over the whole
// 3-D translation) and its rotation on the arc between theirs (0.01
// degrees). First and last keys stay, and so does every key where the
// motion turns, stops or starts again.

#include "host/math/Point3.h"
#include "host/math/Quat.h"

#include <cstddef>
#include <vector>

struct MotionKey {
    Point3 position;
    Quat rotation;
};

constexpr double kPositionTolerance = 0.001;
constexpr double kRotationToleranceDegrees = 0.01;

// The indices of the keys to keep, ascending.
std::vector<std::size_t> ReduceKeys(const std::vector<MotionKey>& keys);
