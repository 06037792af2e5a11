#include "exporter/BrushSnap.h"

#include <cmath>

float SnapCoordinate(float coordinate, std::int32_t snapToSize) {
    // Doubles hold every whole float and every grid up to 2^31 exactly, so the
    // arithmetic below is exact and cannot overflow.
    const double grid = std::ldexp(1.0, static_cast<int>(static_cast<std::uint32_t>(snapToSize) % 32u));
    const double whole = std::trunc(static_cast<double>(coordinate));
    const double magnitude = std::fabs(whole);
    const double below = std::floor(magnitude / grid) * grid;
    const double snapped = (magnitude - below > below + grid - magnitude) ? below + grid : below;
    // Zero takes no sign: -0.5 snaps to 0, not -0.
    if (snapped == 0.0) return 0.0f;
    return static_cast<float>(whole < 0.0 ? -snapped : snapped);
}

void SnapToGrid(BrushPolygon& polygon, std::int32_t snapToSize) {
    for (int i = 0; i < polygon.count; ++i) {
        Point3& vertex = polygon.vertices[i];
        for (int axis = 0; axis < 3; ++axis) vertex[axis] = SnapCoordinate(vertex[axis], snapToSize);
    }
}
