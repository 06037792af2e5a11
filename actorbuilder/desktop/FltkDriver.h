#pragma once
// The desktop user of the window layer: modal dialogs as FLTK windows,
// message boxes and file dialogs as FLTK's own.

#include "host/ui/Driver.h"

namespace actorbuilder::desktop {

class FltkDriver : public ui::DialogDriver {
public:
    FltkDriver();

    void RunDialog(ui::HWND dialog, int templateId) override;
    // Boxes with an OK button only, the kind the Actor Builder shows; any
    // other kind gets the layer's default answer.
    int AnswerMessageBox(ui::HWND owner, std::string_view text, std::string_view caption, unsigned type) override;
    bool AnswerFileDialog(const ui::FileDialog& request, bool save, std::string& path) override;
};

}  // namespace actorbuilder::desktop
