// The custom button: a push or check button that keeps its pressed state.

#include "host/ui/CustomControlState.h"

namespace ui {
namespace {

detail::CustButtonState* StateOf(HWND button) {
    return detail::ControlStateOf<detail::CustButtonState>(button, CUSTBUTTON_WINDOW_CLASS);
}

}  // namespace

ICustButton GetICustButton(HWND window) { return StateOf(window) ? ICustButton(window) : ICustButton(); }

ICustButton::operator bool() const { return StateOf(window_) != nullptr; }

void ICustButton::SetType(CustButType type) {
    detail::CustButtonState* button = StateOf(window_);
    if (!button) return;
    button->type = type;
    button->checked = button->checked && type == CBT_CHECK;
}

CustButType ICustButton::GetType() const {
    const detail::CustButtonState* button = StateOf(window_);
    return button ? button->type : CBT_PUSH;
}

void ICustButton::SetCheck(bool checked) {
    if (detail::CustButtonState* button = StateOf(window_)) button->checked = checked && button->type == CBT_CHECK;
}

bool ICustButton::IsChecked() const {
    const detail::CustButtonState* button = StateOf(window_);
    return button && button->checked;
}

}  // namespace ui
