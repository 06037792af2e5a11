#include "objects/shared/LineColour.h"

#include "host/display/ViewportColors.h"
#include "host/scene/INode.h"

Point3 NodeLineColour(const INode& node, const Point3& own) {
    if (node.IsFrozen()) return GetFreezeColor();
    return node.Selected() ? GetSelColor() : own;
}

Point3 UnselectableLineColour(const INode& node, const Point3& own) {
    return node.IsFrozen() ? GetFreezeColor() : own;
}
