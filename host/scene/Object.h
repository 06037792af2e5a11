#pragma once
// Scene objects: what a node holds. Each belongs to a super class (geometric,
// helper, light, shape, camera, derived) and may offer itself in other forms,
// the triangle mesh above all.

#include "host/core/Animatable.h"
#include "host/math/Box3.h"
#include "host/math/IPoint2.h"
#include "host/core/TimeValue.h"

#include <string>

class CreateMouseCallBack;
class INode;
class Mesh;
class Object;
class View;
class ViewExp;

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

    // The viewport. An object that does not draw itself is shown as its
    // triangle mesh when it converts to one, else as a small marker around
    // its pivot; hit tests and boxes follow what is shown. Display draws the
    // object of inode at time t into vpt (flags: USE_DAMAGE_RECT) and
    // returns 0. HitTest tests it against the region of type (HITTYPE_POINT:
    // p[0]; HITTYPE_BOX: p[0] and p[1]) and crossing, and returns whether it
    // was hit.
    virtual int Display(TimeValue t, INode* inode, ViewExp* vpt, int flags);
    virtual int HitTest(TimeValue t, INode* inode, int type, int crossing, int flags, IPoint2* p, ViewExp* vpt);
    // What the object shows, in world space and in its own space.
    virtual void GetWorldBoundBox(TimeValue t, INode* inode, ViewExp* vpt, Box3& box);
    virtual void GetLocalBoundBox(TimeValue t, INode* inode, ViewExp* vpt, Box3& box);

    // Placement with the mouse in the create panel; null for an object that
    // cannot be created there. The object keeps ownership.
    virtual CreateMouseCallBack* GetCreateMouseCallBack() { return nullptr; }
    // Whether a renderer draws it; geometric objects are renderable.
    virtual bool IsRenderable() { return false; }
    // Whether the viewport draws it in its node's wire colour.
    virtual bool UsesWireColor() { return true; }
    // Extra display the host asks for (bit 0: the object is being
    // manipulated); an object that shows nothing extra ignores it.
    virtual void SetExtendedDisplay(int /*flags*/) {}
    // The base of the names of new nodes (the host numbers them).
    virtual void InitNodeName(std::string& name) { name = GetClassName(); }
};

class GeomObject : public Object {
public:
    SClass_ID SuperClassID() const override { return GEOMOBJECT_CLASS_ID; }
    bool IsRenderable() override { return true; }

    // The mesh a renderer draws of the object in view at time t; null when
    // it has none. needDelete tells the caller to delete the mesh after use.
    virtual Mesh* GetRenderMesh(TimeValue /*t*/, INode* /*inode*/, View& /*view*/, bool& needDelete) {
        needDelete = false;
        return nullptr;
    }
};

class HelperObject : public Object {
public:
    SClass_ID SuperClassID() const override { return HELPER_CLASS_ID; }
};
