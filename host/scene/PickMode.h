#pragma once
// Node pick mode: while it is on, a click in a viewport goes to the mode's
// callback instead of selecting. The callback hit-tests the mouse point
// (usually with Interface::PickNode) and, on a hit, takes the pick.

#include "host/math/IPoint2.h"
#include "host/ui/Messages.h"

class Interface;
class ViewExp;

class PickModeCallback {
public:
    virtual ~PickModeCallback() = default;
    // Whether something the mode accepts is under the mouse at m in the
    // viewport vpt, whose window is hWnd.
    virtual bool HitTest(Interface* ip, ui::HWND hWnd, ViewExp* vpt, IPoint2 m, int flags) = 0;
    // The user clicked where HitTest found something (vpt->GetClosestHit()
    // after Interface::PickNode). True ends the pick mode.
    virtual bool Pick(Interface* ip, ViewExp* vpt) = 0;
    // The mode starts and ends (ended by Pick, by the host or by another mode).
    virtual void EnterMode(Interface* /*ip*/) {}
    virtual void ExitMode(Interface* /*ip*/) {}
};
