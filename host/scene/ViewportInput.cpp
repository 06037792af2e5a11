#include "host/scene/ViewportInput.h"

#include "host/scene/Interface.h"

#include <cmath>
#include <vector>

namespace ui::user {
namespace {

IPoint2 Pixel(float x, float y) { return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))}; }

// Where node shows in a viewport with the camera of view: the middle of
// the first line its object draws, else the pivot. False when that is
// outside the window.
bool WhereShown(INode* node, TimeValue t, const ViewProjection& view, IPoint2& where) {
    ViewExp scratch(view);
    if (Object* object = node->EvalWorldState(t).obj) object->Display(t, node, &scratch, 0);
    const std::vector<DrawnSegment>& drawn = scratch.getGW()->GetDrawnSegments();
    const Point3 pivot = view.ToScreen(node->GetObjectTM(t).GetTrans());
    where = drawn.empty() ? Pixel(pivot.x, pivot.y)
                          : Pixel((drawn[0].from.x + drawn[0].to.x) * 0.5f, (drawn[0].from.y + drawn[0].to.y) * 0.5f);
    return where.x >= 0 && where.y >= 0 && where.x < view.Width() && where.y < view.Height();
}

}  // namespace

bool ClickViewport(IPoint2 m) {
    Interface* ip = GetCoreInterface();
    PickModeCallback* mode = ip->GetCurPickMode();
    if (mode == nullptr) return false;
    ViewExp* vpt = ip->GetActiveViewport();
    if (!mode->HitTest(ip, vpt->GetHWnd(), vpt, m, 0)) return false;
    // Pick may have ended the mode itself, or started another.
    if (mode->Pick(ip, vpt) && ip->GetCurPickMode() == mode) ip->ClearPickMode();
    vpt->ClearHitList();
    return true;
}

bool PickNode(INode* node) {
    Interface* ip = GetCoreInterface();
    IPoint2 where;
    if (node == nullptr || ip->GetCurPickMode() == nullptr) return false;
    if (!WhereShown(node, ip->GetTime(), ip->GetActiveViewport()->getGW()->GetProjection(), where)) return false;
    return ClickViewport(where);
}

}  // namespace ui::user
