#pragma once
// What a user does to a dialog, for drivers: each action changes the
// control as the real one would and then notifies the control's parent with
// WM_COMMAND. A control that is missing, disabled, hidden or in a dialog
// that has ended takes no input: the action returns false.

#include "host/ui/Window.h"

#include <string_view>

namespace ui::user {

// A click on a button. An automatic check box toggles (a three-state one
// cycles), an automatic radio button checks itself and clears the others of
// its group, first; then BN_CLICKED arrives. Group boxes cannot be clicked.
bool Click(HWND button);

// Replaces the text of an edit control, then EN_CHANGE. Read-only edits
// refuse; a digits-only edit refuses text with anything but digits.
bool Type(HWND edit, std::string_view text);

// Selects an entry of a drop-down list or list box by index or by its exact
// text, then the selection-change notification.
bool Pick(HWND list, int index);
bool Pick(HWND list, std::string_view itemText);

// The window's close box: sends WM_CLOSE.
bool Close(HWND window);

}  // namespace ui::user
