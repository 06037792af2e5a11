#include "host/gltf/KeyReduction.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct QuatD {
    double x, y, z, w;
};

QuatD ToDouble(const Quat& q) { return {q.x, q.y, q.z, q.w}; }

double Dot(const QuatD& a, const QuatD& b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }

// The angle of the turn from a to b, in radians; q and -q are one rotation.
// Taken from the vector part of the turn between them, which float inputs
// give precisely, where the arc cosine of their dot product would not.
double TurnAngle(const QuatD& a, const QuatD& b) {
    const double w = a.w * b.w + a.x * b.x + a.y * b.y + a.z * b.z;
    const double x = a.w * b.x - a.x * b.w - a.y * b.z + a.z * b.y;
    const double y = a.w * b.y + a.x * b.z - a.y * b.w - a.z * b.x;
    const double z = a.w * b.z - a.x * b.y + a.y * b.x - a.z * b.w;
    return 2.0 * std::atan2(std::sqrt(x * x + y * y + z * z), std::fabs(w));
}

QuatD Slerp(const QuatD& a, QuatD b, double t) {
    if (Dot(a, b) < 0.0) b = {-b.x, -b.y, -b.z, -b.w};
    const double half = std::acos(std::min(1.0, Dot(a, b)));
    const double sine = std::sin(half);
    if (sine < 1e-12) return a;
    const double wa = std::sin((1.0 - t) * half) / sine;
    const double wb = std::sin(t * half) / sine;
    return {wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z, wa * a.w + wb * b.w};
}

double DistanceToSegment(const Point3& p, const Point3& a, const Point3& b) {
    const double ab[3] = {double(b.x) - a.x, double(b.y) - a.y, double(b.z) - a.z};
    const double ap[3] = {double(p.x) - a.x, double(p.y) - a.y, double(p.z) - a.z};
    const double length2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    double t = length2 > 0.0 ? (ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / length2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double d[3] = {ap[0] - t * ab[0], ap[1] - t * ab[1], ap[2] - t * ab[2]};
    return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

double Radians(double degrees) { return degrees * kPi / 180.0; }

// On the great arc from a to b, not past either end.
bool OnArc(const Quat& rotation, const Quat& from, const Quat& to) {
    const QuatD q = ToDouble(rotation);
    const QuatD a = ToDouble(from);
    const QuatD b = ToDouble(to);
    const double tolerance = Radians(kRotationToleranceDegrees);
    const double whole = TurnAngle(a, b);
    if (whole <= tolerance) return TurnAngle(a, q) <= tolerance && TurnAngle(q, b) <= tolerance;
    const double t = TurnAngle(a, q) / whole;
    return t <= 1.0 + tolerance / whole && TurnAngle(Slerp(a, b, std::min(t, 1.0)), q) <= tolerance;
}

bool OnPath(const MotionKey& key, const MotionKey& from, const MotionKey& to) {
    return DistanceToSegment(key.position, from.position, to.position) <= kPositionTolerance &&
           OnArc(key.rotation, from.rotation, to.rotation);
}

bool Moves(const MotionKey& from, const MotionKey& to) {
    return DistanceToSegment(to.position, from.position, from.position) > kPositionTolerance ||
           TurnAngle(ToDouble(from.rotation), ToDouble(to.rotation)) > Radians(kRotationToleranceDegrees);
}

}  // namespace

std::vector<std::size_t> ReduceKeys(const std::vector<MotionKey>& keys) {
    std::vector<std::size_t> kept;
    if (keys.empty()) return kept;
    kept.push_back(0);
    for (std::size_t i = 1; i + 1 < keys.size(); ++i) {
        // Where the motion stops or starts again the key stays, even though
        // it lies on the segment of a standstill.
        bool drop = Moves(keys[i - 1], keys[i]) == Moves(keys[i], keys[i + 1]);
        // Every key since the last kept one must lie on the new, longer segment.
        for (std::size_t j = kept.back() + 1; drop && j <= i; ++j) drop = OnPath(keys[j], keys[kept.back()], keys[i + 1]);
        if (!drop) kept.push_back(i);
    }
    if (keys.size() > 1) kept.push_back(keys.size() - 1);
    return kept;
}
