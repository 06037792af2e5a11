#include "exporter/CompletionDialog.h"

#include "exporter/CompletionDialogResource.h"
#include "host/ui/Dialog.h"
#include "host/ui/MainWindow.h"

namespace {

using namespace ui;
using namespace completion_dialog;

INT_PTR CompletionDialogProc(HWND dialog, unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(dialog, GetParent(dialog));
        SetDlgItemText(dialog, kCommand, *reinterpret_cast<const std::string*>(lParam));
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) != kOk) return false;
        EndDialog(dialog, 0);
        return true;
    case WM_CLOSE: EndDialog(dialog, 0); return true;
    default: return false;
    }
}

}  // namespace

void ShowCompletionDialog(const std::string& command, HWND parent) {
    DialogBoxParam(Template(), parent, CompletionDialogProc, reinterpret_cast<LPARAM>(&command));
}
