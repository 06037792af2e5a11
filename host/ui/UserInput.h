#pragma once
// What a user does to a dialog, for drivers: each action changes the
// control as the real one would and then notifies the control's parent,
// with WM_COMMAND or the custom control's own message. A control that is
// missing, disabled, hidden (on a rolled-up page, say) or in a dialog that
// has ended takes no input: the action returns false.

#include "host/ui/Bitmap.h"
#include "host/ui/Window.h"

#include <string_view>

namespace ui::user {

// A click on a button. An automatic check box toggles (a three-state one
// cycles), an automatic radio button checks itself and clears the others of
// its group, first; then BN_CLICKED arrives. Group boxes cannot be clicked.
// A custom check button toggles between pressed in and out; a custom
// button of either type then sends BN_BUTTONUP.
bool Click(HWND button);

// Replaces the text of an edit control, then EN_CHANGE. Read-only edits
// refuse; a digits-only edit refuses text with anything but digits.
// A custom edit takes the text and Enter: a spinner linked to it takes the
// number (as SetSpinnerValue without the arrow press; for any other text
// the edit shows the spinner's value again), otherwise its parent gets
// WM_CUSTEDIT_ENTER.
bool Type(HWND edit, std::string_view text);

// Changes a spinner as with its arrows: CC_SPINNER_BUTTONDOWN, the value
// limited to the spinner's range, CC_SPINNER_CHANGE, CC_SPINNER_BUTTONUP.
bool SetSpinnerValue(HWND spinner, double value);
// Clicks the up (positive) or down (negative) arrow, each click one step of
// the spinner's scale, as one change like SetSpinnerValue.
bool StepSpinner(HWND spinner, int clicks);

// Picks a colour in a swatch, then CC_COLOR_CHANGE.
bool PickColor(HWND swatch, COLORREF colour);

// Selects an entry of a drop-down list or list box by index or by its exact
// text, then the selection-change notification.
bool Pick(HWND list, int index);
bool Pick(HWND list, std::string_view itemText);

// The window's close box: sends WM_CLOSE.
bool Close(HWND window);

}  // namespace ui::user
