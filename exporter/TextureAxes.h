#pragma once
// Where a brush polygon's texture lies: the origin and the U and V axes of
// the editor's texture mapping, made so that the bitmap lies on the polygon
// as it lay on the host face.

#include "exporter/BrushPolygon.h"

class BitmapTex;

// From the plane of the polygon's first three vertices that are not on one
// line, and their texture coordinates, in single precision, scaled to the
// bitmap's texels (zero axes when no image is loaded). Without a bitmap, and
// for faces that span no plane or no texture area, the fixed defaults: origin (493,493,493),
// U (1,0,0), V (0,1,0).
void ComputeTextureAxes(BrushPolygon& polygon, const BitmapTex* bitmap);
