#include "objects/shared/PickTest.h"

#include "host/display/GraphicsWindow.h"
#include "host/display/HitRegion.h"
#include "host/display/ViewExp.h"

namespace {

constexpr int kPickBoxPixels = 4;

}  // namespace

int PickTest(ViewExp& vpt, int type, int crossing, IPoint2* p, std::uint32_t limits, const Matrix3& tm,
             const std::function<void(GraphicsWindow&)>& draw) {
    const HitRegion region = MakeHitRegion(type, crossing, kPickBoxPixels, p);
    GraphicsWindow& gw = *vpt.getGW();
    const std::uint32_t saved = gw.getRndLimits();
    gw.setHitRegion(&region);
    gw.setRndLimits(limits);
    gw.setTransform(tm);
    gw.clearHitCode();
    draw(gw);
    const bool hit = gw.checkHitCode();
    gw.setRndLimits(saved);
    return hit ? 1 : 0;
}
