#pragma once
// Scene objects: what a node holds. Each belongs to a super class (geometric,
// helper, light, shape, camera, derived) and may offer itself in other forms,
// the triangle mesh above all.

#include "host/core/Animatable.h"
#include "host/scene/TimeValue.h"

class Object;

// The result of evaluating a node or an object at a time.
struct ObjectState {
    Object* obj = nullptr;
};

class Object : public Animatable {
public:
    // The object as the pipeline leaves it at time t: the object itself for
    // everything but a derived object.
    virtual ObjectState Eval(TimeValue t);

    // Whether ConvertToType can produce an object of class obtype.
    virtual bool CanConvertToType(Class_ID obtype);
    // The object in the form of class obtype, or null when it cannot be
    // converted. The result is this object itself when it already is of that
    // class; otherwise it is a new object that the caller releases with
    // DeleteThis once done.
    virtual Object* ConvertToType(TimeValue t, Class_ID obtype);
};

class GeomObject : public Object {
public:
    SClass_ID SuperClassID() const override { return GEOMOBJECT_CLASS_ID; }
};

class HelperObject : public Object {
public:
    SClass_ID SuperClassID() const override { return HELPER_CLASS_ID; }
};
