#pragma once
// The box around every exported piece of geometry, in host coordinates. It
// starts as the origin itself, so it always holds the origin.

#include "host/math/Point3.h"

class INode;

class SceneBounds {
public:
    virtual ~SceneBounds() = default;

    // Grows the box by the node's mesh in world space; false when the node's
    // object cannot be converted to a triangle mesh.
    bool Add(INode& node);

    const Point3& Min() const { return min_; }
    const Point3& Max() const { return max_; }

private:
    Point3 min_;
    Point3 max_;
};
