#pragma once
// The colour a helper's lines are drawn in: its own, the selection colour
// while its node is selected, the frozen colour while it is frozen (which
// wins).

#include "host/math/Point3.h"

class INode;

Point3 NodeLineColour(const INode& node, const Point3& own);
// The same, but selection does not change it.
Point3 UnselectableLineColour(const INode& node, const Point3& own);
