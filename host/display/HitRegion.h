#pragma once
// Where a hit test looks: around a point, or in a box that the user dragged.
// A box hit is a crossing one (anything touching the box counts) or a
// window one (all that is drawn must lie inside the box).

#include "host/math/IPoint2.h"
#include "host/math/Rect.h"

// The kinds of hit test an object is asked for.
constexpr int HITTYPE_POINT = 1;
constexpr int HITTYPE_BOX = 2;

// The region's shape.
constexpr int POINT_RGN = 1;
constexpr int RECT_RGN = 2;

struct HitRegion {
    int type = POINT_RGN;
    // Box regions only: whether touching is enough.
    bool crossing = true;
    // Point regions only: how far from the point, in pixels, still hits.
    int epsilon = 0;
    IPoint2 pt;
    Rect rect;
};

// The region of a hit test of type (HITTYPE_POINT: p[0] with epsilon pixels
// around it; HITTYPE_BOX: the box p[0] and p[1] span). Any other type is
// taken as a point.
HitRegion MakeHitRegion(int type, int crossing, int epsilon, const IPoint2* p);
