#include "exporter/ActorPlacement.h"

#include "host/math/Decomp.h"
#include "host/math/Euler.h"

#include <cmath>
#include <limits>

namespace {

// The conversions before this one (quaternion, decomposition, Euler angles)
// can leave an angle that should be a whole number of units a float step or
// two short of it, and plain truncation would then write a quarter turn as
// 16383. A value within this many float steps of a whole number is taken as
// that number; real fractions of a unit are far larger.
constexpr float kRoundingSlack = 8.0f * std::numeric_limits<float>::epsilon();

constexpr float kLargestUnits = 2147483648.0f;

}  // namespace

std::int32_t RotationUnits(float radians) {
    // In single precision, as radians to degrees to turns to units.
    const float units = radians * 57.29578f * 0.0027777778f * 65536.0f;
    // A broken transform (NaN) or an angle of tens of thousands of turns has
    // no rotation to write; converting it to an integer would be undefined.
    if (!(std::fabs(units) < kLargestUnits)) return 0;
    const float nearest = std::round(units);
    const bool whole = std::fabs(units - nearest) <= std::fabs(nearest) * kRoundingSlack;
    return static_cast<std::int32_t>(whole ? nearest : std::trunc(units));
}

ActorPlacement::ActorPlacement(const INode& node, TimeValue t) {
    AffineParts parts;
    decomp_affine(node.GetNodeTM(t), &parts);
    location = Point3(-parts.t.x, parts.t.y, parts.t.z);

    float angles[3];
    QuatToEuler(parts.q, angles);
    roll = -RotationUnits(angles[0]);
    pitch = RotationUnits(angles[1]);
    yaw = -RotationUnits(angles[2]);

    drawScale3D = parts.k * parts.f;

    const Point3 offset = node.GetObjOffsetPos();
    prePivot = Point3(offset.x, -offset.y, -offset.z);
}

std::string RotationText(std::int32_t pitch, std::int32_t yaw, std::int32_t roll) {
    return "(Pitch=" + std::to_string(pitch) + ",Yaw=" + std::to_string(yaw) + ",Roll=" + std::to_string(roll) + ")";
}
