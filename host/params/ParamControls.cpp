#include "host/params/ParamControls.h"

#include "host/ui/Dialog.h"

#include <algorithm>
#include <cmath>

namespace param_controls {
namespace {

bool IsClickOn(int id, unsigned message, ui::WPARAM wParam) {
    return message == ui::WM_COMMAND && ui::LOWORD(wParam) == id && ui::HIWORD(wParam) == ui::BN_CLICKED;
}

ui::ISpinnerControl SpinnerOf(const ParamUIDesc& desc, ui::HWND page) {
    return ui::GetISpinner(ui::GetDlgItem(page, desc.controlId));
}

// Checks the button at position, clears the others; none for a position
// outside the group.
void CheckPosition(const ParamUIDesc& desc, ui::HWND page, int position) {
    for (std::size_t i = 0; i < desc.buttonIds.size(); ++i)
        ui::CheckDlgButton(page, desc.buttonIds[i],
                           static_cast<int>(i) == position ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void ShowCheckBox(const ParamUIDesc& desc, ui::HWND page, IParamArray& values, TimeValue t) {
    int value = 0;
    if (values.GetValue(desc.index, t, value))
        ui::CheckDlgButton(page, desc.controlId, value != 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void ShowSpinner(const ParamUIDesc& desc, ui::HWND page, IParamArray& values, TimeValue t) {
    ui::ISpinnerControl spinner = SpinnerOf(desc, page);
    int whole = 0;
    float real = 0.0f;
    if (desc.editType == ui::EDITTYPE_INT && values.GetValue(desc.index, t, whole)) spinner.SetValue(whole, false);
    if (desc.editType == ui::EDITTYPE_FLOAT && values.GetValue(desc.index, t, real)) spinner.SetValue(real, false);
}

void ShowRadioGroup(const ParamUIDesc& desc, ui::HWND page, IParamArray& values, TimeValue t) {
    int position = 0;
    if (values.GetValue(desc.index, t, position)) CheckPosition(desc, page, position);
}

bool TakeCheckBox(const ParamUIDesc& desc, ui::HWND page, IParamArray* values, TimeValue t, unsigned message,
                  ui::WPARAM wParam) {
    if (!IsClickOn(desc.controlId, message, wParam)) return false;
    const bool checked = ui::IsDlgButtonChecked(page, desc.controlId) == ui::BST_CHECKED;
    if (values) values->SetValue(desc.index, t, checked ? 1 : 0);
    return true;
}

bool TakeSpinner(const ParamUIDesc& desc, ui::HWND page, IParamArray* values, TimeValue t, unsigned message,
                 ui::WPARAM wParam) {
    if (message != ui::CC_SPINNER_CHANGE || ui::LOWORD(wParam) != desc.controlId) return false;
    const ui::ISpinnerControl spinner = SpinnerOf(desc, page);
    if (values && desc.editType == ui::EDITTYPE_INT) values->SetValue(desc.index, t, spinner.GetIVal());
    if (values && desc.editType == ui::EDITTYPE_FLOAT) values->SetValue(desc.index, t, spinner.GetFVal());
    return true;
}

bool TakeRadioGroup(const ParamUIDesc& desc, ui::HWND page, IParamArray* values, TimeValue t, unsigned message,
                    ui::WPARAM wParam) {
    const auto& ids = desc.buttonIds;
    const auto clicked =
        std::find_if(ids.begin(), ids.end(), [&](int id) { return IsClickOn(id, message, wParam); });
    if (clicked == ids.end()) return false;
    const int position = static_cast<int>(clicked - ids.begin());
    // The buttons need not form a group of their own on the page.
    CheckPosition(desc, page, position);
    if (values) values->SetValue(desc.index, t, position);
    return true;
}

}  // namespace

void SetUp(const ParamUIDesc& desc, ui::HWND page) {
    if (desc.type != ParamControlType::Spinner) return;
    ui::ISpinnerControl spinner = SpinnerOf(desc, page);
    spinner.LinkToEdit(ui::GetDlgItem(page, desc.editId), desc.editType);
    if (desc.editType == ui::EDITTYPE_INT)
        spinner.SetLimits(static_cast<int>(std::lround(desc.low)), static_cast<int>(std::lround(desc.high)));
    else
        spinner.SetLimits(desc.low, desc.high);
    spinner.SetScale(desc.step);
}

void Show(const ParamUIDesc& desc, ui::HWND page, IParamArray& values, TimeValue t) {
    switch (desc.type) {
    case ParamControlType::SingleCheckBox: ShowCheckBox(desc, page, values, t); break;
    case ParamControlType::Spinner: ShowSpinner(desc, page, values, t); break;
    case ParamControlType::RadioGroup: ShowRadioGroup(desc, page, values, t); break;
    }
}

bool TakeChange(const ParamUIDesc& desc, ui::HWND page, IParamArray* values, TimeValue t, unsigned message,
                ui::WPARAM wParam) {
    switch (desc.type) {
    case ParamControlType::SingleCheckBox: return TakeCheckBox(desc, page, values, t, message, wParam);
    case ParamControlType::Spinner: return TakeSpinner(desc, page, values, t, message, wParam);
    case ParamControlType::RadioGroup: return TakeRadioGroup(desc, page, values, t, message, wParam);
    }
    return false;
}

}  // namespace param_controls
