#pragma once
// Inside the custom controls: what each keeps in its window's control state,
// and the spinner's part in user actions. Only the layer's own sources
// include this.

#include "host/ui/CustomControls.h"

#include <limits>
#include <memory>
#include <string_view>

namespace ui::detail {

struct SpinnerState {
    double value = 0.0;
    double low = std::numeric_limits<double>::lowest();
    double high = std::numeric_limits<double>::max();
    bool integer = false;
    float scale = SPIN_AUTOSCALE;
    HWND edit = nullptr;
};

struct CustEditState {
    HWND spinner = nullptr;  // the spinner the edit is linked to
};

struct CustButtonState {
    CustButType type = CBT_PUSH;
    bool checked = false;
};

struct ColorSwatchState {
    COLORREF colour = 0;
};

// The state of a live window of className, made on first use; null for
// any other window.
template <class State>
State* ControlStateOf(HWND window, const char* className) {
    if (GetClassName(window) != className) return nullptr;
    if (!GetControlState(window)) SetControlState(window, std::make_shared<State>());
    return static_cast<State*>(GetControlState(window));
}

// Sends a custom control's notification to its parent.
inline void NotifyParent(HWND control, unsigned message) {
    SendMessage(GetParent(control), message, MAKEWPARAM(GetDlgCtrlID(control), 0), reinterpret_cast<LPARAM>(control));
}

// A user's complete change of a spinner: arrow pressed, the value set (and
// limited), arrow released.
void UserSetSpinner(HWND spinner, double value);
// Where clicks on the up (positive) or down (negative) arrow would take the
// spinner's value, before limiting.
double SpinnerStepTarget(HWND spinner, int clicks);
// Text entered in the spinner's edit: a number sets the value; anything
// else puts the current value back into the edit.
void SpinnerTakeText(HWND spinner, std::string_view text);

}  // namespace ui::detail
