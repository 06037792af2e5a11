#pragma once
// What the create panel does when the artist makes an object with the mouse.

#include "host/core/ClassId.h"
#include "host/math/IPoint2.h"
#include "host/scene/INode.h"

#include <vector>

class Interface;

// Creates an object of the registered class (superClass, id), shows it in
// the create panel (BeginEditParams with BEGIN_EDIT_CREATE) and runs its
// creation callback in the active viewport of ip with clicks, each a press
// and a release at that pixel: MOUSE_POINT, MOUSE_POINT, then MOUSE_MOVE to
// the next click (after the last one, a move on the same pixel). When the
// callback stops, the object goes to the scene in a new top-level node
// placed at the callback's matrix, named from InitNodeName with the next
// free three-digit number ("Box001"). Null, and nothing stays in the scene,
// when the class is unknown or no object, has no callback, the callback
// aborts, or the clicks run out first (the callback then gets MOUSE_ABORT).
INode* CreateNodeByMouse(Interface* ip, SClass_ID superClass, Class_ID id, const std::vector<IPoint2>& clicks);
