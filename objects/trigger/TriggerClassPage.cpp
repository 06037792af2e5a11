#include "objects/trigger/TriggerClassPage.h"

#include "host/ui/CustomControls.h"
#include "objects/trigger/TriggerPageTemplate.h"
#include "objects/trigger/TriggerPropertySet.h"

namespace tt = trigger_tables;

namespace {

// Calls f(slot, edit) for each text row whose custom edit is on the page.
template <class F>
void ForEachTextEdit(const tt::SetTable& set, ui::HWND page, F f) {
    for (const tt::Row& row : set.rows) {
        if (row.kind != tt::RowKind::Text) continue;
        if (ui::ICustEdit edit = ui::GetICustEdit(ui::GetDlgItem(page, row.controlId))) f(row.slot, edit);
    }
}

}  // namespace

ui::INT_PTR TriggerTextHandler::DlgProc(TimeValue, IParamMap*, ui::HWND page, unsigned msg, ui::WPARAM,
                                        ui::LPARAM) {
    switch (msg) {
    case ui::WM_INITDIALOG: ShowTexts(page); return 1;
    case ui::WM_CUSTEDIT_ENTER:
    case ui::WM_DESTROY: TakeTexts(page); return 1;
    default: return 0;
    }
}

void TriggerTextHandler::ShowTexts(ui::HWND page) const {
    ForEachTextEdit(set_.Table(), page, [this](int slot, ui::ICustEdit edit) { edit.SetText(set_.Text(slot)); });
}

void TriggerTextHandler::TakeTexts(ui::HWND page) {
    ForEachTextEdit(set_.Table(), page,
                    [this](int slot, ui::ICustEdit edit) { set_.SetText(slot, edit.GetText(tt::kTextChars)); });
}

IParamMap* CreateTriggerClassPage(TriggerPropertySet& set, Interface* ip) {
    IParamMap* map =
        CreateParamMap(set.Descriptors(), set.DescriptorCount(), &set, ip, set.Dialog(), kTriggerPageTitle, 0);
    if (map) map->SetUserDlgProc(new TriggerTextHandler(set));
    return map;
}
