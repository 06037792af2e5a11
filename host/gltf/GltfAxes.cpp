#include "host/gltf/GltfAxes.h"

#include "host/gltf/GltfError.h"
#include "host/math/Matrix3.h"

#include <tiny_gltf.h>

#include <cmath>
#include <string>

namespace gltf {
namespace {

constexpr double kHalfSqrt2 = 0.70710678118654752;

float F(double value) { return static_cast<float>(value); }

// The translation, rotation and scale of a column-major 4x4 matrix.
NodeTransform DecomposeMatrix(const std::vector<double>& m, float lengthScale) {
    const Point3 columns[3] = {HostDirection(m[0], m[1], m[2]), HostDirection(m[4], m[5], m[6]),
                               HostDirection(m[8], m[9], m[10])};
    // Where the matrix takes the host's axes: host X, Y, Z are glTF X, -Z, Y.
    const Point3 axes[3] = {columns[0], -columns[2], columns[1]};
    NodeTransform transform;
    transform.position = HostPoint(m[12], m[13], m[14], lengthScale);
    float lengths[3];
    for (int axis = 0; axis < 3; ++axis) {
        lengths[axis] = axes[axis].Length();
        if (!(lengths[axis] > 0.0f) || !std::isfinite(lengths[axis])) {
            throw GltfError("its matrix scales an axis to nothing; it is no rotation, scale and translation");
        }
    }
    Point3 unit[3] = {axes[0] / lengths[0], axes[1] / lengths[1], axes[2] / lengths[2]};
    const bool mirrors = DotProd(CrossProd(unit[0], unit[1]), unit[2]) < 0.0f;
    const float sign = mirrors ? -1.0f : 1.0f;
    for (Point3& axis : unit) axis *= sign;
    transform.scale = Point3(lengths[0], lengths[1], lengths[2]) * sign;
    // The rows of the host's row-vector matrix are the images of its axes.
    transform.rotation = Quat(Matrix3(unit[0], unit[1], unit[2], Point3()));
    return transform;
}

NodeTransform TransformOfTrs(const tinygltf::Node& node, float scale) {
    NodeTransform transform;
    const std::vector<double>& t = node.translation;
    const std::vector<double>& r = node.rotation;
    const std::vector<double>& s = node.scale;
    if (t.size() == 3) transform.position = HostPoint(t[0], t[1], t[2], scale);
    if (r.size() == 4) transform.rotation = HostRotation(r[0], r[1], r[2], r[3]);
    if (s.size() == 3) transform.scale = HostScale(s[0], s[1], s[2]);
    return transform;
}

}  // namespace

Point3 HostPoint(double x, double y, double z, float scale) { return HostDirection(x, y, z) * scale; }

Point3 HostDirection(double x, double y, double z) { return {F(x), F(-z), F(y)}; }

Quat HostRotation(double x, double y, double z, double w) {
    Quat q{F(x), F(-z), F(y), F(w)};
    return q.Normalize();
}

Point3 HostScale(double x, double y, double z) { return {F(x), F(z), F(y)}; }

Quat LightAxisTurn() { return {F(kHalfSqrt2), 0.0f, 0.0f, F(kHalfSqrt2)}; }

Quat LightRotation(const Quat& rotation) { return LightAxisTurn() * rotation; }

void TurnBackFromLight(Point3& position, Quat& rotation) {
    const Quat back = LightAxisTurn().Inverse();
    position = position * RotateQuatMatrix(back);
    rotation = rotation * back;
}

void RequireFinite(const Point3& point, const char* what) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y) || !std::isfinite(point.z)) {
        throw GltfError(std::string(what) + " holds a number out of range");
    }
}

NodeTransform HostTransform(const tinygltf::Node& node, float scale) {
    const NodeTransform transform =
        node.matrix.size() == 16 ? DecomposeMatrix(node.matrix, scale) : TransformOfTrs(node, scale);
    RequireFinite(transform.position, "its translation");
    RequireFinite(transform.scale, "its scale");
    RequireFinite(Point3(transform.rotation.x, transform.rotation.y, transform.rotation.z), "its rotation");
    return transform;
}

}  // namespace gltf
