#include "host/ui/UserInput.h"

#include "host/ui/CustomControlState.h"
#include "host/ui/Dialog.h"
#include "host/ui/WindowRecord.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ui::user {
namespace {

// The window and every ancestor enabled and visible, in a dialog still open.
bool AcceptsInput(HWND window) {
    if (!IsWindowVisible(window)) return false;
    HWND topLevel = window;
    for (HWND current = window; current; current = GetParent(current)) {
        if (!IsWindowEnabled(current)) return false;
        topLevel = current;
        if (!(GetWindowStyle(current) & WS_CHILD)) break;  // an owner is not an ancestor
    }
    return !IsDialogEnded(topLevel);
}

bool IsClass(HWND window, const char* className) {
    const detail::WindowRecord* record = detail::Record(window);
    return record && detail::IsClass(*record, className);
}

void Notify(HWND control, unsigned code) {
    SendMessage(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), static_cast<int>(code)),
                reinterpret_cast<LPARAM>(control));
}

bool IsAutoRadio(HWND window) {
    return IsClass(window, WC_BUTTON) && (GetWindowStyle(window) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

// A group runs from a sibling with WS_GROUP up to the next one with it.
void CheckInGroup(HWND radio) {
    const std::vector<HWND> siblings = GetChildWindows(GetParent(radio));
    const auto self = std::find(siblings.begin(), siblings.end(), radio);
    if (self == siblings.end()) return;
    auto first = self;
    while (first != siblings.begin() && !(GetWindowStyle(*first) & WS_GROUP)) --first;
    auto last = std::find_if(self + 1, siblings.end(), [](HWND w) { return (GetWindowStyle(w) & WS_GROUP) != 0; });
    for (auto sibling = first; sibling != last; ++sibling)
        if (IsAutoRadio(*sibling))
            SendMessage(*sibling, BM_SETCHECK, *sibling == radio ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

void ClickCustomButton(HWND button) {
    ICustButton custom = GetICustButton(button);
    if (custom.GetType() == CBT_CHECK) custom.SetCheck(!custom.IsChecked());
    Notify(button, BN_BUTTONUP);
}

// Enter in a custom edit: the linked spinner's, else the parent's.
void EnterCustomEdit(HWND edit) {
    const auto* field = detail::ControlStateOf<detail::CustEditState>(edit, CUSTEDIT_WINDOW_CLASS);
    if (GetISpinner(field->spinner))
        detail::SpinnerTakeText(field->spinner, GetWindowText(edit));
    else
        detail::NotifyParent(edit, WM_CUSTEDIT_ENTER);
}

}  // namespace

bool Click(HWND button) {
    if (!AcceptsInput(button)) return false;
    if (GetICustButton(button)) {
        ClickCustomButton(button);
        return true;
    }
    if (!IsClass(button, WC_BUTTON)) return false;
    const unsigned kind = GetWindowStyle(button) & BS_TYPEMASK;
    const auto check = static_cast<unsigned>(SendMessage(button, BM_GETCHECK, 0, 0));
    switch (kind) {
    case BS_GROUPBOX: return false;
    case BS_AUTOCHECKBOX:
        SendMessage(button, BM_SETCHECK, check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE: SendMessage(button, BM_SETCHECK, (check + 1) % 3, 0); break;
    case BS_AUTORADIOBUTTON: CheckInGroup(button); break;
    default: break;
    }
    Notify(button, BN_CLICKED);
    return true;
}

bool Type(HWND edit, std::string_view text) {
    const bool custom = static_cast<bool>(GetICustEdit(edit));
    if (!AcceptsInput(edit) || !(custom || IsClass(edit, WC_EDIT))) return false;
    const unsigned style = GetWindowStyle(edit);
    if ((style & ES_READONLY) || ((style & ES_NUMBER) && !AllDigits(text))) return false;
    SetWindowText(edit, text);
    if (custom)
        EnterCustomEdit(edit);
    else
        Notify(edit, EN_CHANGE);
    return true;
}

bool SetSpinnerValue(HWND spinner, double value) {
    if (!AcceptsInput(spinner) || !GetISpinner(spinner)) return false;
    detail::UserSetSpinner(spinner, value);
    return true;
}

bool StepSpinner(HWND spinner, int clicks) {
    return SetSpinnerValue(spinner, detail::SpinnerStepTarget(spinner, clicks));
}

bool PickColor(HWND swatch, COLORREF colour) {
    IColorSwatch custom = GetIColorSwatch(swatch);
    if (!AcceptsInput(swatch) || !custom) return false;
    custom.SetColor(colour, true);
    return true;
}

bool Pick(HWND list, int index) {
    const bool combo = IsClass(list, WC_COMBOBOX);
    if (!AcceptsInput(list) || !(combo || IsClass(list, WC_LISTBOX))) return false;
    const INT_PTR count = SendMessage(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    if (index < 0 || index >= count) return false;
    SendMessage(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Notify(list, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
    return true;
}

bool Pick(HWND list, std::string_view itemText) {
    const detail::WindowRecord* record = detail::Record(list);
    if (!record) return false;
    const auto& items = record->items;
    const auto found = std::find(items.begin(), items.end(), itemText);
    return found != items.end() && Pick(list, static_cast<int>(found - items.begin()));
}

bool Close(HWND window) {
    if (!IsWindow(window) || IsDialogEnded(window)) return false;
    SendMessage(window, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace ui::user
