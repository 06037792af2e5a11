#pragma once
// The "Trigger" object: places one of the engine's fourteen trigger
// classes, with its collision cylinder, an optional event (another node,
// reference 0) and its class's own properties on a second page.

#include "common/PluginClasses.h"
#include "host/math/Matrix3.h"
#include "host/params/IParamArray.h"
#include "host/scene/PickMode.h"
#include "objects/trigger/TriggerBlock.h"
#include "objects/trigger/TriggerPropertySets.h"

#include <string>

class GraphicsWindow;
class IParamMap;

// Parameters of the "Unreal Trigger" rollup.
constexpr int kCollisionHeightParam = 1065;
constexpr int kCollisionRadiusParam = 1067;
constexpr int kShowCylinderParam = 1003;
constexpr int kShowLinkParam = 1004;
// What the event label shows without an event.
constexpr const char* kNoEventName = "- None -";

class CORVATRIX_CONTRACT TriggerHelperObject : public TriggerHelper, public IParamArray {
public:
    static constexpr const char* kClassName = "Trigger";
    static constexpr const char* kInternalName = "cxObjTrig";

    TriggerHelperObject();
    ~TriggerHelperObject() override;

    std::string GetClassName() const override { return "Unreal Trigger"; }
    void InitNodeName(std::string& name) override { name = kClassName; }
    bool UsesWireColor() override { return false; }
    Animatable* Clone(RemapDir& remap) override;
    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;
    void BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) override;
    void EndEditParams(Interface* ip, unsigned flags, Animatable* next) override;

    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int i) override;
    void SetReference(int i, RefTargetHandle target) override;
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message) override;

    int Display(TimeValue t, INode* inode, ViewExp* vpt, int flags) override;
    int HitTest(TimeValue t, INode* inode, int type, int crossing, int flags, IPoint2* p, ViewExp* vpt) override;
    void GetWorldBoundBox(TimeValue t, INode* inode, ViewExp* vpt, Box3& box) override;
    void GetLocalBoundBox(TimeValue t, INode* inode, ViewExp* vpt, Box3& box) override;
    void SetExtendedDisplay(int flags) override { extendedDisplay_ = flags; }
    CreateMouseCallBack* GetCreateMouseCallBack() override;

    std::int32_t TriggerT3DExport(T3dWriter* writer) override;
    std::string GetTriggerClass() override;

    using IParamArray::GetValue;
    using IParamArray::SetValue;
    bool SetValue(int index, TimeValue t, int value) override;
    bool SetValue(int index, TimeValue t, float value) override;
    bool GetValue(int index, TimeValue t, int& value) override;
    bool GetValue(int index, TimeValue t, float& value) override;

    const TriggerBlock& Block() const { return block_; }
    INode* EventNode() const { return event_; }
    const std::string& EventName() const { return eventName_; }
    const Matrix3& CylinderTM() const { return cylinderTM_; }
    // The current class's property set; null for classes without one.
    TriggerPropertySet* CurrentSet() const { return current_; }

    // Picking a class in the drop-down: the new class's set with its
    // defaults and its page.
    void ChangeClass(int classIndex);
    // The drop-down's selection as the editing ends.
    void KeepClass(int classIndex);
    // After the collision spinners or the display switches changed.
    void CollisionChanged();
    // Starts or ends picking the event node, as button 1005 says.
    void PickEvent(bool start);

private:
    class EventPicker : public PickModeCallback {
    public:
        explicit EventPicker(TriggerHelperObject& trigger) : trigger_(trigger) {}
        bool HitTest(Interface* ip, ui::HWND hWnd, ViewExp* vpt, IPoint2 m, int flags) override;
        bool Pick(Interface* ip, ViewExp* vpt) override;

    private:
        TriggerHelperObject& trigger_;
    };

    // After construction, load and clone: the cylinder and the set follow
    // the block (the set is not reset).
    void FollowBlock();
    void BindCurrentSet();
    void ShowClassPage();
    void DestroyClassPage();
    // The node's object transform with its rotation removed.
    static Matrix3 DisplayTransform(TimeValue t, INode& node);

    TriggerBlock block_;
    INode* event_ = nullptr;
    std::string eventName_ = kNoEventName;
    TriggerPropertySets sets_;
    TriggerPropertySet* current_ = nullptr;
    Matrix3 cylinderTM_;
    int extendedDisplay_ = 0;
    Interface* editing_ = nullptr;
    IParamMap* classPage_ = nullptr;
    EventPicker picker_{*this};
};
