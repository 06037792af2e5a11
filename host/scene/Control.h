#pragma once
// Animation controllers: what gives a node's position its value at a time.

#include "host/core/Animatable.h"
#include "host/math/Point3.h"
#include "host/core/TimeValue.h"

// Read access to the keys of a keyed track.
class IKeyControl {
public:
    virtual ~IKeyControl() = default;
    virtual int GetNumKeys() const = 0;
    // Keys are in ascending time; i in 0..GetNumKeys()-1.
    virtual TimeValue GetKeyTime(int i) const = 0;
};

class Control : public Animatable {
public:
    // The separate X, Y and Z tracks of a position controller that has them;
    // null for every other controller.
    virtual Control* GetXController() { return nullptr; }
    virtual Control* GetYController() { return nullptr; }
    virtual Control* GetZController() { return nullptr; }
    // The key access of a keyed track; null for a controller without keys.
    virtual IKeyControl* GetKeyControlInterface() { return nullptr; }
};

class FloatControl : public Control {
public:
    SClass_ID SuperClassID() const override { return CTRL_FLOAT_CLASS_ID; }
    virtual float GetValue(TimeValue t) const = 0;
};

class PositionControl : public Control {
public:
    SClass_ID SuperClassID() const override { return CTRL_POSITION_CLASS_ID; }
    virtual Point3 GetValue(TimeValue t) const = 0;
    // The position wherever no key decides it.
    virtual void SetUnkeyedValue(const Point3& position) = 0;
};
