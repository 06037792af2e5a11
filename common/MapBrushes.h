#pragma once
// The two brushes every map starts with: the level editor's builder brush
// and the optional subtractive box around all exported geometry.

#include "host/math/Point3.h"

class T3dWriter;

namespace map_brushes {

// The builder brush "cxActiveBrush": a cube of edge 512 about the origin,
// the same in every map.
void WriteBuilderBrush(T3dWriter& writer);

// The bounding brush "cxBoundBrush": a CSG_Subtract box from firstCorner
// (the minimum on every axis) to secondCorner.
void WriteBoundingBrush(T3dWriter& writer, const Point3& firstCorner, const Point3& secondCorner);

}  // namespace map_brushes
