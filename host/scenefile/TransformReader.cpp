#include "host/scenefile/TransformReader.h"

#include "host/math/Angles.h"
#include "host/math/Euler.h"

#include <optional>

namespace scenefile {
namespace {

// Euler angles in degrees, XYZ order.
Quat QuatFromDegrees(const Point3& degrees) {
    const float radians[3] = {DegToRad(degrees.x), DegToRad(degrees.y), DegToRad(degrees.z)};
    Quat q;
    EulerToQuat(radians, q);
    return q;
}

Quat ReadRotation(const JsonCursor& rotation) {
    if (!rotation.IsObject()) return QuatFromDegrees(rotation.Vector());
    rotation.ExpectKeys({"quat"});
    const JsonCursor quat = rotation.Key("quat");
    quat.ExpectSize(4);
    Quat q{quat.Element(0).Number(), quat.Element(1).Number(), quat.Element(2).Number(), quat.Element(3).Number()};
    // A zero quaternion is no rotation at all, and normalising would hide that.
    if (q.x == 0.0f && q.y == 0.0f && q.z == 0.0f && q.w == 0.0f) quat.Fail("a zero quaternion is no rotation");
    return q.Normalize();
}

}  // namespace

Transform ReadTransform(const JsonCursor& transform) {
    transform.ExpectKeys({"position", "rotation", "scale"});
    Transform result;
    if (const std::optional<JsonCursor> position = transform.Find("position")) result.position = position->Vector();
    if (const std::optional<JsonCursor> rotation = transform.Find("rotation")) {
        result.rotation = ReadRotation(*rotation);
    }
    if (const std::optional<JsonCursor> scale = transform.Find("scale")) result.scale = scale->Vector();
    return result;
}

}  // namespace scenefile
