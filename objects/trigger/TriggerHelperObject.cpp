#include "objects/trigger/TriggerHelperObject.h"

#include "common/ChunkIo.h"
#include "common/Sanitize.h"
#include "common/T3dWriter.h"
#include "host/display/ViewExp.h"
#include "host/params/ParamMap.h"
#include "host/scene/INode.h"
#include "host/scene/Interface.h"
#include "host/core/Interval.h"
#include "objects/shared/ObjectChanged.h"
#include "objects/shared/PointCreation.h"
#include "objects/trigger/TriggerClassPage.h"
#include "objects/trigger/TriggerClasses.h"
#include "objects/trigger/TriggerMeshes.h"
#include "objects/trigger/TriggerRollup.h"

#include <cstring>

namespace {

constexpr std::size_t kMaxEventName = 255;

bool KnownClass(std::int32_t index) { return index >= 0 && index < trigger_tables::kClassCount; }

}  // namespace

TriggerHelperObject::TriggerHelperObject() {
    BindCurrentSet();
    if (current_) current_->Reset();
    FollowBlock();
}

TriggerHelperObject::~TriggerHelperObject() {
    // A pick still waiting for this trigger must not outlive it.
    Interface* ip = GetCoreInterface();
    if (ip->GetCurPickMode() == &picker_) ip->ClearPickMode();
}

void TriggerHelperObject::BindCurrentSet() {
    current_ = sets_.ForClass(block_.classIndex);
    if (current_) current_->Bind(block_.floats, block_.ints, block_.text1, block_.text2);
}

void TriggerHelperObject::FollowBlock() {
    // A damaged block cannot name a class beyond the table.
    if (!KnownClass(block_.classIndex)) block_.classIndex = kDefaultTriggerClass;
    cylinderTM_ = CylinderTransform(block_.collisionHeight, block_.collisionRadius);
    BindCurrentSet();
}

void TriggerHelperObject::ShowClassPage() {
    if (editing_ && current_) classPage_ = CreateTriggerClassPage(*current_, editing_);
}

void TriggerHelperObject::DestroyClassPage() {
    DestroyParamMap(classPage_);
    classPage_ = nullptr;
}

void TriggerHelperObject::BeginEditParams(Interface* ip, unsigned flags, Animatable*) {
    editing_ = ip;
    if (flags != 0 || !ip || TriggerRollupMap()) return;
    ShowTriggerRollup(ip, *this);
    BindCurrentSet();
    ShowClassPage();
}

void TriggerHelperObject::EndEditParams(Interface*, unsigned, Animatable*) {
    PickEvent(false);
    DestroyClassPage();
    DestroyTriggerRollup();
    editing_ = nullptr;
}

void TriggerHelperObject::ChangeClass(int classIndex) {
    if (!KnownClass(classIndex)) return;
    block_.classIndex = classIndex;
    DestroyClassPage();
    BindCurrentSet();
    if (!current_) return;
    current_->Reset();
    ShowClassPage();
}

void TriggerHelperObject::KeepClass(int classIndex) {
    if (KnownClass(classIndex)) block_.classIndex = classIndex;
}

void TriggerHelperObject::CollisionChanged() {
    cylinderTM_ = CylinderTransform(block_.collisionHeight, block_.collisionRadius);
    NotifyObjectChanged(*this);
}

void TriggerHelperObject::PickEvent(bool start) {
    Interface* ip = GetCoreInterface();
    if (start) {
        ip->SetPickMode(&picker_);
    } else if (ip->GetCurPickMode() == &picker_) {
        ip->ClearPickMode();
    }
}

bool TriggerHelperObject::EventPicker::HitTest(Interface* ip, ui::HWND hWnd, ViewExp*, IPoint2 m, int) {
    return ip->PickNode(hWnd, m) != nullptr;
}

bool TriggerHelperObject::EventPicker::Pick(Interface*, ViewExp* vpt) {
    INode* node = vpt->GetClosestHit();
    if (!node) return false;
    if (trigger_.event_) {
        trigger_.ReplaceReference(0, node);
    } else {
        trigger_.MakeRefByID(FOREVER, 0, node);
    }
    ReleaseEventButton();
    return true;
}

RefTargetHandle TriggerHelperObject::GetReference(int i) { return i == 0 ? event_ : nullptr; }

void TriggerHelperObject::SetReference(int i, RefTargetHandle target) {
    if (i != 0) return;
    event_ = dynamic_cast<INode*>(target);
    eventName_ = event_ ? std::string(event_->GetName()).substr(0, kMaxEventName) : kNoEventName;
    ShowTriggerEventName(*this);
}

RefResult TriggerHelperObject::NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                                                RefMessage message) {
    if (hTarget != event_ || !event_) return REF_SUCCEED;
    if (message == REFMSG_TARGET_DELETED) DeleteReference(0);
    if (message == REFMSG_NODE_NAMECHANGE) SetReference(0, event_);
    return REF_SUCCEED;
}

bool TriggerHelperObject::SetValue(int index, TimeValue, float value) {
    if (index == kCollisionHeightParam) block_.collisionHeight = value;
    if (index == kCollisionRadiusParam) block_.collisionRadius = value;
    return index == kCollisionHeightParam || index == kCollisionRadiusParam;
}

bool TriggerHelperObject::GetValue(int index, TimeValue, float& value) {
    if (index == kCollisionHeightParam) value = block_.collisionHeight;
    if (index == kCollisionRadiusParam) value = block_.collisionRadius;
    return index == kCollisionHeightParam || index == kCollisionRadiusParam;
}

bool TriggerHelperObject::SetValue(int index, TimeValue, int value) {
    if (index == kShowCylinderParam) block_.showCylinder = value;
    if (index == kShowLinkParam) block_.showLink = value;
    return index == kShowCylinderParam || index == kShowLinkParam;
}

bool TriggerHelperObject::GetValue(int index, TimeValue, int& value) {
    if (index == kShowCylinderParam) value = block_.showCylinder;
    if (index == kShowLinkParam) value = block_.showLink;
    return index == kShowCylinderParam || index == kShowLinkParam;
}

std::int32_t TriggerHelperObject::TriggerT3DExport(T3dWriter* writer) {
    if (!writer) return 1;
    writer->WriteFloat("CollisionHeight", block_.collisionHeight);
    writer->WriteFloat("CollisionRadius", block_.collisionRadius);
    if (event_) {
        // The event's actor is named after its node as every actor is, so
        // the line names it the same way (and no quote of a node name can
        // end the line's text early).
        std::string event = eventName_;
        Sanitize(event);
        writer->WriteString("Event", event, true);
    }
    if (current_) current_->Export(*writer);
    return 1;
}

std::string TriggerHelperObject::GetTriggerClass() { return trigger_tables::kClasses[block_.classIndex].name; }

IOResult TriggerHelperObject::Save(ISave* isave) {
    SaveWordChunk(*isave, kTriggerBlockChunk, &block_, sizeof block_);
    return IO_OK;
}

IOResult TriggerHelperObject::Load(ILoad* iload) {
    IOResult result = IO_OK;
    while (result == IO_OK && iload->OpenChunk() == IO_OK) {
        if (iload->CurChunkID() == kTriggerBlockChunk) result = LoadWordChunk(*iload, &block_, sizeof block_);
        iload->CloseChunk();
    }
    // The texts stay terminated whatever the file held.
    block_.text1[sizeof block_.text1 - 1] = '\0';
    block_.text2[sizeof block_.text2 - 1] = '\0';
    FollowBlock();
    return result;
}

// The event is not copied: the copy's event is for the artist to pick.
Animatable* TriggerHelperObject::Clone(RemapDir& remap) {
    auto* copy = new TriggerHelperObject();
    copy->block_ = block_;
    copy->FollowBlock();
    BaseClone(this, copy, remap);
    return copy;
}

CreateMouseCallBack* TriggerHelperObject::GetCreateMouseCallBack() { return PointCreation(); }
