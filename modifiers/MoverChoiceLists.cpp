#include "modifiers/MoverChoiceLists.h"

#include "host/ui/Dialog.h"
#include "modifiers/MoverValueTable.h"

#include <string_view>

namespace mv = mover_values;

namespace {

// A list shows a name without its prefix: everything up to and including
// the first '_' ("ME_StopWhenEncroached" shows as "StopWhenEncroached").
std::string_view ShownText(std::string_view name) {
    const std::size_t underscore = name.find('_');
    return underscore == std::string_view::npos ? name : name.substr(underscore + 1);
}

}  // namespace

void FillChoiceLists(ui::HWND page, IParamArray& values, TimeValue t) {
    for (const mv::ChoiceList& list : mv::kChoiceLists) {
        ui::SendDlgItemMessage(page, list.listId, ui::CB_RESETCONTENT, 0, 0);
        for (const mv::ChoiceItem& item : list.choice.items) {
            const std::string text(ShownText(item.name));
            ui::SendDlgItemMessage(page, list.listId, ui::CB_ADDSTRING, 0, reinterpret_cast<ui::LPARAM>(text.c_str()));
        }
        int stored = 0;
        if (values.GetValue(list.choice.index, t, stored))
            ui::SendDlgItemMessage(page, list.listId, ui::CB_SETCURSEL, static_cast<ui::WPARAM>(stored), 0);
    }
}

void StoreChoiceLists(ui::HWND page, IParamArray& values, TimeValue t) {
    for (const mv::ChoiceList& list : mv::kChoiceLists) {
        const ui::INT_PTR selected = ui::SendDlgItemMessage(page, list.listId, ui::CB_GETCURSEL, 0, 0);
        if (selected != ui::CB_ERR) values.SetValue(list.choice.index, t, static_cast<int>(selected));
    }
}

ui::INT_PTR ChoiceListsProc::DlgProc(TimeValue t, IParamMap* map, ui::HWND page, unsigned message, ui::WPARAM,
                                     ui::LPARAM) {
    IParamArray* values = map ? map->GetParamBlock() : nullptr;
    if (values && message == ui::WM_INITDIALOG) FillChoiceLists(page, *values, t);
    if (values && message == ui::WM_DESTROY) StoreChoiceLists(page, *values, t);
    return 0;
}
