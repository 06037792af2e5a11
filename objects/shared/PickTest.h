#pragma once
// The helpers' hit test: what draw draws, in pick mode with the given
// render limits and drawing transform, tested against the region of the
// mouse point(s) with the 4-pixel pick box. The window's limits are
// restored afterwards.

#include "host/math/IPoint2.h"
#include "host/math/Matrix3.h"

#include <cstdint>
#include <functional>

class GraphicsWindow;
class ViewExp;

// 1 when anything drawn was hit, else 0.
int PickTest(ViewExp& vpt, int type, int crossing, IPoint2* p, std::uint32_t limits, const Matrix3& tm,
             const std::function<void(GraphicsWindow&)>& draw);
