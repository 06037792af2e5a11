#include "host/ui/CommonDialogs.h"

#include "host/os/Files.h"
#include "host/ui/Driver.h"

namespace ui {
namespace {

bool HasExtension(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("\\/");
    const std::size_t dot = path.rfind('.');
    return dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
}

bool RunFileDialog(FileDialog& dialog, bool save) {
    std::string chosen = dialog.path;
    if (!CurrentDialogDriver().AnswerFileDialog(dialog, save, chosen) || chosen.empty()) return false;
    if (!dialog.defaultExtension.empty() && !HasExtension(chosen)) chosen += "." + dialog.defaultExtension;
    if (chosen.size() >= dialog.maxPath) return false;
    if (!save && (dialog.flags & OFN_FILEMUSTEXIST) && !os::FileExists(chosen)) return false;
    dialog.path = chosen;
    return true;
}

}  // namespace

int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned type) {
    return CurrentDialogDriver().AnswerMessageBox(owner, text, caption, type);
}

int DefaultMessageBoxAnswer(unsigned type) {
    const std::vector<int> buttons = [type]() -> std::vector<int> {
        switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL: return {IDOK, IDCANCEL};
        case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO: return {IDYES, IDNO};
        default: return {IDOK};
        }
    }();
    const std::size_t defaultButton = (type & MB_DEFMASK) >> 8;
    return defaultButton < buttons.size() ? buttons[defaultButton] : buttons.front();
}

bool GetOpenFileName(FileDialog& dialog) { return RunFileDialog(dialog, false); }

bool GetSaveFileName(FileDialog& dialog) { return RunFileDialog(dialog, true); }

}  // namespace ui
