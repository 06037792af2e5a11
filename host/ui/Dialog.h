#pragma once
// Dialogs made from templates, modal and modeless, and the usual helpers
// that reach a dialog's controls by id.

#include "host/ui/DialogTemplate.h"
#include "host/ui/Window.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

// Builds the dialog and its controls, then sends WM_INITDIALOG with param.
// With a parent the dialog is a page inside it (a child window, as rollup
// pages are); without one it is a top-level window. Null when a control's
// class is unknown.
HWND CreateDialogParam(const DialogTemplate& dialogTemplate, HWND parent, DLGPROC proc, LPARAM param);

// Runs a modal dialog owned by parent: builds it, sends WM_INITDIALOG with
// param, and hands it to the current driver (Driver.h), which acts as the
// user. A dialog the driver leaves open gets WM_CLOSE; one that survives
// even that ends with IDCANCEL. Returns the value given to EndDialog, -1
// when the dialog could not be built or was destroyed without ending.
INT_PTR DialogBoxParam(const DialogTemplate& dialogTemplate, HWND parent, DLGPROC proc, LPARAM param);

// Ends the modal run of dialog with result; false for a window that is not
// a modal dialog being run, or one already ended (the first result stands).
bool EndDialog(HWND dialog, INT_PTR result);
// True once EndDialog ended the dialog's run; the window lives on until
// DialogBoxParam returns, but takes no more input.
bool IsDialogEnded(HWND dialog);

// The innermost modal dialog being run, else the host's main window.
HWND GetActiveWindow();

bool SetDlgItemText(HWND dialog, int id, std::string_view text);
std::string GetDlgItemText(HWND dialog, int id, std::size_t maxChars = std::string::npos);
bool CheckDlgButton(HWND dialog, int id, unsigned check);
unsigned IsDlgButtonChecked(HWND dialog, int id);
INT_PTR SendDlgItemMessage(HWND dialog, int id, unsigned message, WPARAM wParam, LPARAM lParam);

}  // namespace ui
