#pragma once
// The driver acts as the user of every modal dialog, message box and file
// dialog: tests script it, the command line turns its flags into it, a
// desktop front end shows the windows. Drivers are installed host-wide on a
// stack, so one installed by the program also answers the dialogs that
// plug-in modules run.

#include "host/ui/Messages.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

struct FileDialog;

class DialogDriver {
public:
    virtual ~DialogDriver() = default;

    // Acts on an initialised modal dialog made from template templateId
    // (clicks, types, picks through user::…). A dialog still open when this
    // returns is closed. By default nothing is done.
    virtual void RunDialog(HWND dialog, int templateId);
    // The button pressed in a message box: by default its default button.
    virtual int AnswerMessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned type);
    // The path chosen in a file dialog; false cancels it, as by default.
    virtual bool AnswerFileDialog(const FileDialog& request, bool save, std::string& path);
};

// Runs an action as the user of each modal dialog.
class CallbackDriver : public DialogDriver {
public:
    using Action = std::function<void(HWND dialog, int templateId)>;
    explicit CallbackDriver(Action action) : action_(std::move(action)) {}
    void RunDialog(HWND dialog, int templateId) override;

private:
    Action action_;
};

// Installs a driver for the scope's lifetime; the latest installed one acts.
class ScopedDialogDriver {
public:
    explicit ScopedDialogDriver(DialogDriver& driver);
    ~ScopedDialogDriver();
    ScopedDialogDriver(const ScopedDialogDriver&) = delete;
    ScopedDialogDriver& operator=(const ScopedDialogDriver&) = delete;

private:
    DialogDriver& driver_;
};

// The latest installed driver, or one giving the default answers.
DialogDriver& CurrentDialogDriver();

}  // namespace ui
