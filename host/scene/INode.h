#pragma once
// Scene nodes as the plug-ins see them, and the scene walk's callback.

#include "host/core/Animatable.h"
#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Quat.h"
#include "host/scene/Object.h"
#include "host/core/TimeValue.h"

#include <cstdint>

class Control;
class IKeyControl;
class Mtl;
struct Material;

class INode : public Animatable {
public:
    SClass_ID SuperClassID() const override { return BASENODE_CLASS_ID; }

    virtual const char* GetName() const = 0;
    // Null for the scene root.
    virtual INode* GetParentNode() const = 0;
    virtual bool IsRootNode() const = 0;
    virtual int NumberOfChildren() const = 0;
    // Null outside 0..NumberOfChildren()-1.
    virtual INode* GetChildNode(int i) const = 0;

    virtual bool Selected() const = 0;
    virtual bool IsGroupMember() const = 0;
    virtual Mtl* GetMtl() const = 0;

    // The node's object as referenced: a derived object (super class
    // GEN_DERIVOB_CLASS_ID) when the node has modifiers, else its base
    // object; null when the node holds no object.
    virtual Object* GetObjectRef() = 0;
    // The object at time t after the modifier stack, hidden or not; a null
    // obj when the node holds no object.
    virtual ObjectState EvalWorldState(TimeValue t) = 0;

    // The pivot's world transform: the node's own transform followed by its
    // parent's world transform.
    virtual Matrix3 GetNodeTM(TimeValue t) const = 0;
    // The object offset followed by the node's world transform: object space
    // to world space.
    virtual Matrix3 GetObjectTM(TimeValue t) const = 0;
    // The object's offset from the pivot.
    virtual Point3 GetObjOffsetPos() const = 0;
    virtual Quat GetObjOffsetRot() const = 0;
    virtual Point3 GetObjOffsetScale() const = 0;

    // What gives the node its position relative to the parent; never null.
    virtual Control* GetPositionController() const = 0;
    // The keys of the node's rotation track; null when the rotation is not
    // animated.
    virtual const IKeyControl* GetRotationKeys() const { return nullptr; }

    // A frozen node is shown in the frozen colour and cannot be picked.
    virtual bool IsFrozen() const = 0;
    // The colour the viewport draws the node in, 0x00BBGGRR.
    virtual std::uint32_t GetWireColor() const = 0;
    // The display materials of the node (NumMtls of them): the viewport
    // shades with these.
    virtual Material* Mtls() = 0;
    virtual int NumMtls() const = 0;
};

constexpr int TREE_CONTINUE = 0;
constexpr int TREE_ABORT = 2;

// The scene walk calls callback once for every node, depth-first, each node
// before its children, in scene order; TREE_ABORT ends the walk.
class ITreeEnumProc {
public:
    virtual ~ITreeEnumProc() = default;
    virtual int callback(INode* node) = 0;
};
