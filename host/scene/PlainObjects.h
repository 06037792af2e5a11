#pragma once
// Host objects that carry no data of their own here and convert to nothing
// else: the dummy helper (the head of a group), the spline shape and the camera.

#include "host/scene/HostClassIds.h"
#include "host/scene/Object.h"

class DummyObject : public HelperObject {
public:
    Class_ID ClassID() const override { return DUMMY_CLASS_ID; }
    std::string GetClassName() const override { return "Dummy"; }
};

class SplineShape : public Object {
public:
    Class_ID ClassID() const override { return SPLINESHAPE_CLASS_ID; }
    SClass_ID SuperClassID() const override { return SHAPE_CLASS_ID; }
    std::string GetClassName() const override { return "Spline Shape"; }
};

class CameraObject : public Object {
public:
    Class_ID ClassID() const override { return CAMERA_OBJ_CLASS_ID; }
    SClass_ID SuperClassID() const override { return CAMERA_CLASS_ID; }
    std::string GetClassName() const override { return "Camera"; }
};
