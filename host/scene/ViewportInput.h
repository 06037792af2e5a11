#pragma once
// What a user does in the active viewport, for drivers and tests, beside
// the dialog actions of host/ui/UserInput.h.

#include "host/math/IPoint2.h"
#include "host/scene/INode.h"

namespace ui::user {

// A click at m in the host's active viewport. With a pick mode on: its
// HitTest, and when that finds something its Pick, which may end the mode.
// False when no pick mode is on or nothing was hit.
bool ClickViewport(IPoint2 m);

// A click on node in the active viewport, at a point where the node shows
// (on an edge it draws, else at its pivot): the pick mode then picks it,
// unless something nearer the mouse is drawn there too. False as for
// ClickViewport, and for a node that does not show in the viewport.
bool PickNode(INode* node);

}  // namespace ui::user
