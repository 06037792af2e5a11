#pragma once
// A node's placement in the engine's terms: the engine's X axis is the
// host's X negated, Y and Z are the same, one host unit is one engine unit,
// and a full turn is 65536 rotation units.

#include "host/math/Point3.h"
#include "host/scene/INode.h"
#include "host/core/TimeValue.h"

#include <cstdint>
#include <string>

// An angle in radians as whole engine rotation units, truncated toward zero;
// 0 for NaN and for angles beyond the 32-bit range.
std::int32_t RotationUnits(float radians);

// The engine's rotation value: "(Pitch=%ld,Yaw=%ld,Roll=%ld)".
std::string RotationText(std::int32_t pitch, std::int32_t yaw, std::int32_t roll);

struct ActorPlacement {
    // From the node's pivot transform at time t (without the object offset)
    // and its object offset position.
    ActorPlacement(const INode& node, TimeValue t);

    Point3 prePivot;
    Point3 drawScale3D;
    Point3 location;
    std::int32_t pitch = 0;
    std::int32_t yaw = 0;
    std::int32_t roll = 0;
};
