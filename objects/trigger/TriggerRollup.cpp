#include "objects/trigger/TriggerRollup.h"

#include "host/params/ParamMap.h"
#include "host/ui/CustomControls.h"
#include "host/ui/Window.h"
#include "objects/shared/ObjectBanner.h"
#include "objects/trigger/TriggerClasses.h"
#include "objects/trigger/TriggerHelperObject.h"

namespace {

IParamMap* sharedMap = nullptr;
TriggerHelperObject* shown = nullptr;

constexpr float kCollisionLimit = 32768.0f;

ui::DialogControl EventLabel() {
    ui::DialogControl label = ui::Label(kNoEventName, 10, 105, 88, 10);
    label.id = kEventLabel;
    return label;
}

ui::HWND Page() { return sharedMap ? sharedMap->GetHWnd() : nullptr; }

class TriggerRollupProc : public ParamMapUserDlgProc {
public:
    explicit TriggerRollupProc(TriggerHelperObject& trigger) : trigger_(trigger) {}

    ui::INT_PTR DlgProc(TimeValue, IParamMap*, ui::HWND page, unsigned msg, ui::WPARAM wParam, ui::LPARAM) override {
        ui::HWND list = ui::GetDlgItem(page, kTriggerClassList);
        switch (msg) {
            case ui::WM_INITDIALOG: Open(page, list); return 1;
            case ui::WM_DESTROY:
                trigger_.KeepClass(static_cast<int>(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0)));
                return 1;
            case ui::CC_SPINNER_CHANGE: trigger_.CollisionChanged(); return 1;
            case ui::WM_COMMAND: return Command(ui::LOWORD(wParam), ui::HIWORD(wParam), page, list);
            default: return 0;
        }
    }
    void DeleteThis() override { delete this; }

private:
    void Open(ui::HWND page, ui::HWND list) const {
        ui::SendMessage(list, ui::CB_RESETCONTENT, 0, 0);
        for (const trigger_tables::TriggerClass& triggerClass : trigger_tables::kClasses) {
            ui::SendMessage(list, ui::CB_ADDSTRING, 0, reinterpret_cast<ui::LPARAM>(triggerClass.name));
        }
        ui::SendMessage(list, ui::CB_SETCURSEL, static_cast<ui::WPARAM>(trigger_.Block().classIndex), 0);
        ui::GetICustButton(ui::GetDlgItem(page, kEventButton)).SetType(ui::CBT_CHECK);
        ui::SetWindowText(ui::GetDlgItem(page, kEventLabel), trigger_.EventName());
    }

    ui::INT_PTR Command(int id, unsigned code, ui::HWND page, ui::HWND list) {
        if (id == kTriggerClassList && code == ui::CBN_SELCHANGE) {
            trigger_.ChangeClass(static_cast<int>(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0)));
            return 1;
        }
        if (id == kShowCylinderCheckBox || id == kShowLinkCheckBox) {
            trigger_.CollisionChanged();
            return 1;
        }
        if (id == kEventButton && code == ui::BN_BUTTONUP) {
            trigger_.PickEvent(ui::GetICustButton(ui::GetDlgItem(page, kEventButton)).IsChecked());
            return 1;
        }
        return 0;
    }

    TriggerHelperObject& trigger_;
};

}  // namespace

const ui::DialogTemplate& TriggerRollupTemplate() {
    static const ui::DialogTemplate rollup{
        kTriggerRollupId,
        "Unreal Trigger",
        kObjectPageWidth,
        182,
        {
            ObjectBannerControl(),
            ui::GroupBox("Display", 4, 26, 100, 34),
            ui::AutoCheckBox(kShowCylinderCheckBox, "Show collision cylinder", 10, 36, 90, 10),
            [] {
                ui::DialogControl box = ui::AutoCheckBox(kShowLinkCheckBox, "Display link to event", 10, 47, 90, 10);
                box.style |= ui::WS_DISABLED;
                return box;
            }(),
            ui::GroupBox("Trigger Type", 4, 62, 100, 30),
            ui::DropDownList(kTriggerClassList, 10, 73, 88, 160),
            ui::GroupBox("Event", 4, 94, 100, 42),
            EventLabel(),
            ui::CustButton(kEventButton, "Select event object", 10, 118, 88, 12),
            ui::GroupBox("Collision", 4, 138, 100, 40),
            ui::Label("Height:", 10, 150, 40, 8, ui::SS_RIGHT),
            ui::CustEdit(kCollisionHeightParam, 52, 149, 32, 10),
            ui::SpinnerControl(kCollisionHeightParam + 1, 85, 149, 8, 10),
            ui::Label("Radius:", 10, 164, 40, 8, ui::SS_RIGHT),
            ui::CustEdit(kCollisionRadiusParam, 52, 163, 32, 10),
            ui::SpinnerControl(kCollisionRadiusParam + 1, 85, 163, 8, 10),
        }};
    return rollup;
}

void ShowTriggerRollup(Interface* ip, TriggerHelperObject& trigger) {
    const ParamUIDesc controls[] = {
        ParamUIDesc::Spinner(kCollisionHeightParam, ui::EDITTYPE_FLOAT, kCollisionHeightParam,
                             kCollisionHeightParam + 1, 0.0f, kCollisionLimit, ui::SPIN_AUTOSCALE),
        ParamUIDesc::Spinner(kCollisionRadiusParam, ui::EDITTYPE_FLOAT, kCollisionRadiusParam,
                             kCollisionRadiusParam + 1, 0.0f, kCollisionLimit, ui::SPIN_AUTOSCALE),
        ParamUIDesc::CheckBox(kShowCylinderParam, kShowCylinderCheckBox),
        ParamUIDesc::CheckBox(kShowLinkParam, kShowLinkCheckBox),
    };
    shown = &trigger;
    sharedMap = CreateParamMap(controls, 4, &trigger, ip, TriggerRollupTemplate(), "Unreal Trigger", 0);
    if (sharedMap) sharedMap->SetUserDlgProc(new TriggerRollupProc(trigger));
}

void DestroyTriggerRollup() {
    DestroyParamMap(sharedMap);
    sharedMap = nullptr;
    shown = nullptr;
}

IParamMap* TriggerRollupMap() { return sharedMap; }

void ShowTriggerEventName(const TriggerHelperObject& trigger) {
    if (&trigger == shown) ui::SetWindowText(ui::GetDlgItem(Page(), kEventLabel), trigger.EventName());
}

void ReleaseEventButton() { ui::GetICustButton(ui::GetDlgItem(Page(), kEventButton)).SetCheck(false); }
