#include "objects/actor/ActorRollup.h"

#include "host/params/ParamMap.h"
#include "host/ui/Window.h"
#include "objects/actor/ActorHelperObject.h"
#include "objects/cxa/ActorLibrary.h"
#include "objects/shared/ObjectBanner.h"
#include "objects/shared/ObjectChanged.h"

#include <string>

namespace {

IParamMap* sharedMap = nullptr;

class ActorRollupProc : public ParamMapUserDlgProc {
public:
    explicit ActorRollupProc(ActorHelperObject& object) : object_(object) {}

    ui::INT_PTR DlgProc(TimeValue, IParamMap*, ui::HWND page, unsigned msg, ui::WPARAM wParam, ui::LPARAM) override {
        ui::HWND list = ui::GetDlgItem(page, kActorClassList);
        switch (msg) {
            case ui::WM_INITDIALOG: FillClassList(list); return 1;
            case ui::WM_DESTROY:
                object_.SetClassIndex(static_cast<int>(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0)));
                return 1;
            case ui::WM_COMMAND: return Command(ui::LOWORD(wParam), ui::HIWORD(wParam), list);
            default: return 0;
        }
    }
    void DeleteThis() override { delete this; }

private:
    void FillClassList(ui::HWND list) const {
        ui::SendMessage(list, ui::CB_RESETCONTENT, 0, 0);
        const ActorLibrary& library = object_.Library();
        for (int i = 0; i < library.Count(); ++i) {
            const std::string name(library.ClassName(i));
            ui::SendMessage(list, ui::CB_ADDSTRING, 0, reinterpret_cast<ui::LPARAM>(name.c_str()));
        }
        ui::SendMessage(list, ui::CB_SETCURSEL, static_cast<ui::WPARAM>(object_.ClassIndex()), 0);
    }

    ui::INT_PTR Command(int id, unsigned code, ui::HWND list) {
        if (id == kActorClassList && code == ui::CBN_SELCHANGE) {
            const auto selected = static_cast<int>(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0));
            if (selected >= 0 && !object_.ChooseClass(selected)) {
                ui::SendMessage(list, ui::CB_SETCURSEL, static_cast<ui::WPARAM>(-1), 0);
            }
            return 1;
        }
        if (id == kShowAsIconCheckBox || id == kDirectionalCheckBox) {
            NotifyObjectChanged(object_);
            return 1;
        }
        return 0;
    }

    ActorHelperObject& object_;
};

}  // namespace

const ui::DialogTemplate& ActorRollupTemplate() {
    static const ui::DialogTemplate rollup{
        kActorRollupId,
        "Unreal Actor",
        kObjectPageWidth,
        96,
        {
            ObjectBannerControl(),
            ui::GroupBox("Display", 4, 26, 100, 34),
            ui::AutoCheckBox(kShowAsIconCheckBox, "Display Actor as icon", 10, 36, 90, 10),
            ui::AutoCheckBox(kDirectionalCheckBox, "Directional", 10, 47, 90, 10),
            ui::GroupBox("Actor Class", 4, 62, 100, 30),
            ui::DropDownList(kActorClassList, 10, 73, 88, 120),
        }};
    return rollup;
}

void ShowActorRollup(Interface* ip, ActorHelperObject& object) {
    if (!sharedMap) {
        const ParamUIDesc controls[] = {ParamUIDesc::CheckBox(kShowAsIconParam, kShowAsIconCheckBox),
                                        ParamUIDesc::CheckBox(kDirectionalParam, kDirectionalCheckBox)};
        sharedMap = CreateParamMap(controls, 2, &object, ip, ActorRollupTemplate(), "Unreal Actor", 0);
    } else {
        sharedMap->SetParamBlock(&object);
    }
    if (sharedMap) sharedMap->SetUserDlgProc(new ActorRollupProc(object));
}

void DestroyActorRollup() {
    DestroyParamMap(sharedMap);
    sharedMap = nullptr;
}

IParamMap* ActorRollupMap() { return sharedMap; }
