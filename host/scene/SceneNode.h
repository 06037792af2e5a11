#pragma once
// The host's scene node: a place in the tree, a transform that may be
// animated, and what the node holds (object, modifiers, material).
// Nodes are made through their parent, from the scene root down; the node
// without a parent is the root.

#include "host/display/Material.h"
#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Quat.h"
#include "host/scene/Control.h"
#include "host/scene/DerivedObject.h"
#include "host/scene/INode.h"
#include "host/scene/KeyInterpolation.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class SceneNode : public INode {
public:
    explicit SceneNode(std::string name, SceneNode* parent = nullptr);
    ~SceneNode() override;
    SceneNode(const SceneNode&) = delete;
    SceneNode& operator=(const SceneNode&) = delete;

    Class_ID ClassID() const override { return SCENE_NODE_CLASS_ID; }

    const char* GetName() const override { return name_.c_str(); }
    INode* GetParentNode() const override { return parent_; }
    bool IsRootNode() const override { return parent_ == nullptr; }
    int NumberOfChildren() const override { return static_cast<int>(children_.size()); }
    INode* GetChildNode(int i) const override { return Child(i); }
    bool Selected() const override { return selected_; }
    bool IsGroupMember() const override { return groupMember_; }
    Mtl* GetMtl() const override { return mtl_; }
    Object* GetObjectRef() override;
    ObjectState EvalWorldState(TimeValue t) override;
    Matrix3 GetNodeTM(TimeValue t) const override;
    Matrix3 GetObjectTM(TimeValue t) const override;
    Point3 GetObjOffsetPos() const override { return offsetPos_; }
    Quat GetObjOffsetRot() const override { return offsetRot_; }
    Point3 GetObjOffsetScale() const override { return offsetScale_; }
    Control* GetPositionController() const override { return positionControl_.get(); }
    const IKeyControl* GetRotationKeys() const override;
    bool IsFrozen() const override { return frozen_; }
    std::uint32_t GetWireColor() const override { return wireColor_; }
    Material* Mtls() override { return &displayMtl_; }
    int NumMtls() const override { return 1; }

    // A new child, after the existing ones.
    SceneNode* AddChild(std::string name);
    SceneNode* Child(int i) const;
    // Destroys the child and its subtree; false when child is not a child
    // of this node. Scene::DeleteNode tells the dependents first.
    bool DeleteChild(const INode* child);

    // Tells the makers that refer to the node (REFMSG_NODE_NAMECHANGE).
    void SetName(std::string name);
    void SetSelected(bool selected) { selected_ = selected; }
    void SetFrozen(bool frozen) { frozen_ = frozen; }
    // Also the colour of the node's display material.
    void SetWireColor(std::uint32_t rgb);
    void SetGroupMember(bool member) { groupMember_ = member; }
    // Materials, objects and modifiers are not owned: the scene owns them.
    void SetMtl(Mtl* mtl) { mtl_ = mtl; }
    void SetObject(Object* base);
    // Below the modifiers already there, so the stack is built from its top.
    void AddModifierAtBottom(Modifier* modifier);

    // The transform relative to the parent: the scale first, then the
    // rotation, then the position.
    void SetPosition(const Point3& position);
    void SetRotation(const Quat& rotation) { rotation_ = rotation; }
    void SetScale(const Point3& scale) { scale_ = scale; }
    // The controller takes over the position set so far where it has no keys.
    void SetPositionController(std::unique_ptr<PositionControl> controller);
    // Euler angles in degrees, XYZ order. Once keyed, the keys give the
    // rotation at every time (held before the first and after the last).
    void AddRotationKey(TimeValue time, const Point3& degrees);

    void SetObjOffsetPos(const Point3& position) { offsetPos_ = position; }
    void SetObjOffsetRot(const Quat& rotation) { offsetRot_ = rotation; }
    void SetObjOffsetScale(const Point3& scale) { offsetScale_ = scale; }

private:
    Matrix3 LocalTM(TimeValue t) const;

    std::string name_;
    SceneNode* parent_;
    std::vector<std::unique_ptr<SceneNode>> children_;
    bool selected_ = false;
    bool groupMember_ = false;
    bool frozen_ = false;
    std::uint32_t wireColor_;
    Material displayMtl_;
    Mtl* mtl_ = nullptr;
    DerivedObject stack_{nullptr};

    Point3 unkeyedPosition_;
    std::unique_ptr<PositionControl> positionControl_;
    Quat rotation_;
    std::vector<TimedKey<Point3>> rotationKeys_;
    // The key times of rotationKeys_, as a track's keys are read.
    class RotationKeyTimes : public IKeyControl {
    public:
        explicit RotationKeyTimes(const std::vector<TimedKey<Point3>>& keys) : keys_(keys) {}
        int GetNumKeys() const override { return static_cast<int>(keys_.size()); }
        TimeValue GetKeyTime(int i) const override { return keys_[static_cast<std::size_t>(i)].time; }

    private:
        const std::vector<TimedKey<Point3>>& keys_;
    };
    RotationKeyTimes rotationKeyTimes_{rotationKeys_};
    Point3 scale_{1.0f, 1.0f, 1.0f};

    Point3 offsetPos_;
    Quat offsetRot_;
    Point3 offsetScale_{1.0f, 1.0f, 1.0f};
};
