#include "modifiers/MoverRollupPage.h"

#include "host/params/PageLayout.h"
#include "host/scene/Interface.h"
#include "modifiers/ClassRollups.h"
#include "modifiers/ControlDescs.h"
#include "modifiers/MoverChoiceLists.h"
#include "modifiers/MoverValueTable.h"

namespace mv = mover_values;

namespace {

constexpr int kMoverPageId = 102;
constexpr int kMoverPageHeight = 319;
constexpr const char* kTitle = "Mover Properties";

ClassRollupPage MoverPage() {
    PageLayout layout(kMoverPageId, kTitle);
    std::vector<ParamUIDesc> controls;
    layout.BeginGroup("Types");
    for (const mv::ChoiceList& list : mv::kChoiceLists) {
        if (list.choice.index != mv::kInitialState.index) layout.DropDown(list.listId, list.choice.group);
    }
    layout.EndGroup();
    layout.BeginGroup(mv::kInitialState.group);
    for (const mv::ChoiceList& list : mv::kChoiceLists) {
        if (list.choice.index == mv::kInitialState.index) layout.DropDown(list.listId, "");
    }
    layout.EndGroup();
    layout.BeginGroup("Properties");
    for (const mv::Spinner& time : mv::kTimes) {
        layout.Spinner(time.label, time.editId, time.spinnerId);
        controls.push_back(SpinnerDesc(time));
    }
    for (const mv::Flag& flag : mv::kFlags) {
        layout.CheckBox(flag.checkBoxId, flag.label);
        controls.push_back(CheckBoxDesc(flag));
    }
    for (const mv::Spinner& key : mv::kRtKeys) {
        layout.Spinner(key.label, key.editId, key.spinnerId);
        controls.push_back(SpinnerDesc(key));
    }
    layout.EndGroup();
    return ClassRollupPage{layout.Finish(kMoverPageHeight), kTitle, std::move(controls), false};
}

ClassRollups& MoverRollup() {
    static ClassRollups rollup({MoverPage()});
    return rollup;
}

}  // namespace

void ShowMoverRollup(Interface* ip, IParamArray* mover) {
    IParamMap* shown = MoverRollup().Map(0);
    const TimeValue t = ip ? ip->GetTime() : 0;
    if (shown && shown->GetHWnd() && shown->GetParamBlock())
        StoreChoiceLists(shown->GetHWnd(), *shown->GetParamBlock(), t);
    if (MoverRollup().Show(ip, mover)) {
        if (IParamMap* made = MoverRollup().Map(0)) made->SetUserDlgProc(new ChoiceListsProc());
    } else if (shown && shown->GetHWnd() && mover) {
        FillChoiceLists(shown->GetHWnd(), *mover, t);
    }
}

void DestroyMoverRollup() { MoverRollup().Destroy(); }
