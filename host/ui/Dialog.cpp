#include "host/ui/Dialog.h"

#include "host/ui/Driver.h"
#include "host/ui/MainWindow.h"
#include "host/ui/WindowRecord.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

std::vector<HWND>& ModalDialogs() {
    static std::vector<HWND> dialogs;
    return dialogs;
}

// The dialog window and its controls; the procedure is attached only once
// every control exists, so a failed build never reaches it.
HWND BuildDialog(const DialogTemplate& dialogTemplate, HWND parent, unsigned style, DLGPROC proc) {
    const RECT size = MapDialogRect(RECT{0, 0, dialogTemplate.width, dialogTemplate.height});
    HWND dialog = CreateWindow(WC_DIALOG, dialogTemplate.title, style | WS_VISIBLE, 0, 0, size.right, size.bottom,
                               parent, 0);
    if (!dialog) return nullptr;
    for (const DialogControl& control : dialogTemplate.controls) {
        const RECT rect = MapDialogRect(
            RECT{control.x, control.y, control.x + control.width, control.y + control.height});
        HWND window = CreateWindow(control.className, control.text, control.style | WS_CHILD, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, dialog, control.id);
        if (!window) {
            DestroyWindow(dialog);
            return nullptr;
        }
        detail::Record(window)->image = control.image;
    }
    detail::Record(dialog)->proc = proc;
    return dialog;
}

}  // namespace

HWND CreateDialogParam(const DialogTemplate& dialogTemplate, HWND parent, DLGPROC proc, LPARAM param) {
    HWND dialog = BuildDialog(dialogTemplate, parent, IsWindow(parent) ? WS_CHILD : 0, proc);
    if (dialog) SendMessage(dialog, WM_INITDIALOG, 0, param);
    return dialog;
}

INT_PTR DialogBoxParam(const DialogTemplate& dialogTemplate, HWND parent, DLGPROC proc, LPARAM param) {
    HWND dialog = BuildDialog(dialogTemplate, parent, 0, proc);
    if (!dialog) return -1;

    detail::ModalRun run;
    detail::Record(dialog)->modalRun = &run;
    ModalDialogs().push_back(dialog);
    auto open = [&] { return !run.ended && IsWindow(dialog); };

    // EndDialog may already come from WM_INITDIALOG.
    SendMessage(dialog, WM_INITDIALOG, 0, param);
    if (open()) CurrentDialogDriver().RunDialog(dialog, dialogTemplate.id);
    if (open()) SendMessage(dialog, WM_CLOSE, 0, 0);
    if (open()) EndDialog(dialog, IDCANCEL);

    auto& dialogs = ModalDialogs();
    dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
    if (detail::WindowRecord* record = detail::Record(dialog)) {
        record->modalRun = nullptr;
        DestroyWindow(dialog);
    }
    return run.ended ? run.result : -1;
}

bool EndDialog(HWND dialog, INT_PTR result) {
    detail::WindowRecord* record = detail::Record(dialog);
    if (!record || !record->modalRun || record->modalRun->ended) return false;
    record->modalRun->ended = true;
    record->modalRun->result = result;
    return true;
}

bool IsDialogEnded(HWND dialog) {
    const detail::WindowRecord* record = detail::Record(dialog);
    return record && record->modalRun && record->modalRun->ended;
}

HWND GetActiveWindow() {
    const auto& dialogs = ModalDialogs();
    return dialogs.empty() ? GetMainWindow() : dialogs.back();
}

bool SetDlgItemText(HWND dialog, int id, std::string_view text) { return SetWindowText(GetDlgItem(dialog, id), text); }

std::string GetDlgItemText(HWND dialog, int id, std::size_t maxChars) {
    return GetWindowText(GetDlgItem(dialog, id), maxChars);
}

bool CheckDlgButton(HWND dialog, int id, unsigned check) {
    HWND button = GetDlgItem(dialog, id);
    SendMessage(button, BM_SETCHECK, check, 0);
    return button != nullptr;
}

unsigned IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<unsigned>(SendDlgItemMessage(dialog, id, BM_GETCHECK, 0, 0));
}

INT_PTR SendDlgItemMessage(HWND dialog, int id, unsigned message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

}  // namespace ui
