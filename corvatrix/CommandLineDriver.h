#pragma once
// The user of the exporter's dialogs when it runs from the command line: the
// option flags become edits in the options dialog followed by OK, and the
// completion dialog's message is kept for the program to print.

#include "corvatrix/CommandLine.h"
#include "host/ui/Driver.h"

#include <string>

class CommandLineDriver : public ui::DialogDriver {
public:
    explicit CommandLineDriver(const OptionEdits& edits) : edits_(edits) {}

    void RunDialog(ui::HWND dialog, int templateId) override;
    // Message boxes have no one to read them: their text goes to stderr.
    int AnswerMessageBox(ui::HWND owner, std::string_view text, std::string_view caption, unsigned type) override;

    bool OptionsConfirmed() const { return optionsConfirmed_; }
    // The completion dialog's message and command; empty before it ran.
    const std::string& CompletionMessage() const { return completionMessage_; }
    const std::string& CompletionCommand() const { return completionCommand_; }

private:
    void EditOptions(ui::HWND dialog);
    void ReadCompletion(ui::HWND dialog);

    OptionEdits edits_;
    bool optionsConfirmed_ = false;
    std::string completionMessage_;
    std::string completionCommand_;
};
