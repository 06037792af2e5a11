#pragma once
// The two kinds of position controller a node can have.

#include "host/scene/Control.h"
#include "host/scene/FloatTrack.h"
#include "host/scene/HostClassIds.h"

// Three float tracks, one per axis; a node's default position controller,
// with Bezier tracks that have no keys.
class PositionXYZControl : public PositionControl {
public:
    Class_ID ClassID() const override { return POSITION_XYZ_CLASS_ID; }

    // axis 0 is X, 1 Y, 2 Z.
    FloatTrack& Axis(int axis) { return axes_[axis]; }
    Control* GetXController() override { return &axes_[0]; }
    Control* GetYController() override { return &axes_[1]; }
    Control* GetZController() override { return &axes_[2]; }

    Point3 GetValue(TimeValue t) const override;
    void SetUnkeyedValue(const Point3& position) override;

private:
    FloatTrack axes_[3];
};

// A position controller without separate axis tracks and without keys
// anyone can read: it holds one position.
class SinglePositionControl : public PositionControl {
public:
    Class_ID ClassID() const override { return SINGLE_POSITION_CLASS_ID; }

    Point3 GetValue(TimeValue) const override { return position_; }
    void SetUnkeyedValue(const Point3& position) override { position_ = position; }

private:
    Point3 position_;
};
