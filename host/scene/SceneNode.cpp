#include "host/scene/SceneNode.h"

#include "host/display/ViewportColors.h"
#include "host/math/Angles.h"
#include "host/core/Interval.h"
#include "host/scene/PositionControllers.h"

#include <algorithm>
#include <utility>

namespace {

// The colour of a new node's wireframe, 0x00BBGGRR.
constexpr std::uint32_t kDefaultWireColor = 0x00B88A57;

}  // namespace

SceneNode::SceneNode(std::string name, SceneNode* parent)
    : name_(std::move(name)), parent_(parent), positionControl_(std::make_unique<PositionXYZControl>()) {
    SetWireColor(kDefaultWireColor);
}

SceneNode::~SceneNode() = default;

Object* SceneNode::GetObjectRef() {
    if (stack_.GetObjRef() == nullptr || stack_.NumModifiers() == 0) return stack_.GetObjRef();
    return &stack_;
}

ObjectState SceneNode::EvalWorldState(TimeValue t) { return stack_.Eval(t); }

Matrix3 SceneNode::LocalTM(TimeValue t) const {
    Matrix3 rotation;
    if (rotationKeys_.empty()) {
        rotation = RotateQuatMatrix(rotation_);
    } else {
        const Point3 degrees = InterpolateKeys(rotationKeys_, t);
        rotation = RotateXYZMatrix(DegToRad(degrees.x), DegToRad(degrees.y), DegToRad(degrees.z));
    }
    return ScaleMatrix(scale_) * rotation * TransMatrix(positionControl_->GetValue(t));
}

Matrix3 SceneNode::GetNodeTM(TimeValue t) const {
    const Matrix3 local = LocalTM(t);
    return parent_ != nullptr ? local * parent_->GetNodeTM(t) : local;
}

Matrix3 SceneNode::GetObjectTM(TimeValue t) const {
    const Matrix3 offset = ScaleMatrix(offsetScale_) * RotateQuatMatrix(offsetRot_) * TransMatrix(offsetPos_);
    return offset * GetNodeTM(t);
}

SceneNode* SceneNode::AddChild(std::string name) {
    children_.push_back(std::make_unique<SceneNode>(std::move(name), this));
    return children_.back().get();
}

SceneNode* SceneNode::Child(int i) const {
    return i >= 0 && i < NumberOfChildren() ? children_[i].get() : nullptr;
}

bool SceneNode::DeleteChild(const INode* child) {
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [child](const std::unique_ptr<SceneNode>& own) { return own.get() == child; });
    if (found == children_.end()) return false;
    children_.erase(found);
    return true;
}

void SceneNode::SetName(std::string name) {
    name_ = std::move(name);
    NotifyDependents(FOREVER, PART_ALL, REFMSG_NODE_NAMECHANGE);
}

void SceneNode::SetWireColor(std::uint32_t rgb) {
    wireColor_ = rgb;
    displayMtl_.Kd = ColorFromWire(rgb);
}

void SceneNode::SetObject(Object* base) { stack_.SetObjRef(base); }

void SceneNode::AddModifierAtBottom(Modifier* modifier) { stack_.AddModifierAtBottom(modifier); }

void SceneNode::SetPosition(const Point3& position) {
    unkeyedPosition_ = position;
    positionControl_->SetUnkeyedValue(position);
}

void SceneNode::SetPositionController(std::unique_ptr<PositionControl> controller) {
    positionControl_ = std::move(controller);
    positionControl_->SetUnkeyedValue(unkeyedPosition_);
}

const IKeyControl* SceneNode::GetRotationKeys() const { return rotationKeys_.empty() ? nullptr : &rotationKeyTimes_; }

void SceneNode::AddRotationKey(TimeValue time, const Point3& degrees) { InsertKey(rotationKeys_, time, degrees); }
