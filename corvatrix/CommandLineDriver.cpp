#include "corvatrix/CommandLineDriver.h"

#include "common/ExporterDialogIds.h"
#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"
#include "host/ui/Window.h"

#include <cstdio>

namespace {

void SetCheck(ui::HWND dialog, int id, bool on) {
    if ((ui::IsDlgButtonChecked(dialog, id) != 0) != on) ui::user::Click(ui::GetDlgItem(dialog, id));
}

}  // namespace

void CommandLineDriver::RunDialog(ui::HWND dialog, int templateId) {
    if (templateId == options_dialog::kTemplateId) {
        EditOptions(dialog);
    } else if (templateId == completion_dialog::kTemplateId) {
        ReadCompletion(dialog);
    }
}

int CommandLineDriver::AnswerMessageBox(ui::HWND owner, std::string_view text, std::string_view caption,
                                        unsigned type) {
    std::fprintf(stderr, "corvatrix: %.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    return DialogDriver::AnswerMessageBox(owner, text, caption, type);
}

void CommandLineDriver::EditOptions(ui::HWND dialog) {
    using namespace options_dialog;
    if (edits_.useMyLevel) SetCheck(dialog, kUseMyLevel, true);
    if (edits_.package) {
        SetCheck(dialog, kUseMyLevel, false);
        ui::user::Type(ui::GetDlgItem(dialog, kPackage), *edits_.package);
    }
    if (edits_.group) ui::user::Type(ui::GetDlgItem(dialog, kGroup), *edits_.group);
    for (const auto& [id, on] : edits_.checkBoxes) SetCheck(dialog, id, on);
    if (edits_.gridIndex) ui::user::Pick(ui::GetDlgItem(dialog, kGrid), *edits_.gridIndex);
    optionsConfirmed_ = ui::user::Click(ui::GetDlgItem(dialog, kOk));
}

void CommandLineDriver::ReadCompletion(ui::HWND dialog) {
    completionCommand_ = ui::GetDlgItemText(dialog, completion_dialog::kCommand);
    // The message is the dialog's first static text.
    for (ui::HWND child : ui::GetChildWindows(dialog)) {
        if (ui::GetClassName(child) == ui::WC_STATIC && !ui::GetWindowText(child).empty()) {
            completionMessage_ = ui::GetWindowText(child);
            break;
        }
    }
    ui::user::Click(ui::GetDlgItem(dialog, completion_dialog::kOk));
}
