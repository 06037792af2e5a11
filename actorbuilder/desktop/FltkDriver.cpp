#include "actorbuilder/desktop/FltkDriver.h"

#include "actorbuilder/desktop/DialogWindow.h"
#include "host/ui/CommonDialogs.h"

#include <FL/Fl.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/fl_ask.H>

#include <cctype>
#include <string>

namespace actorbuilder::desktop {
namespace {

// The size of the system's 8-point dialog font that dialog units are
// measured in.
constexpr int kDialogFontSize = 11;

// File names on Linux differ in case: *.ASE matches rock.ase too.
std::string CaseBlindPattern(const std::string& pattern) {
    std::string blind;
    for (char c : pattern) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalpha(byte)) {
            blind += '[';
            blind += static_cast<char>(std::toupper(byte));
            blind += static_cast<char>(std::tolower(byte));
            blind += ']';
        } else {
            blind += c;
        }
    }
    return blind;
}

// FLTK's filter text: one "name<TAB>pattern" per line.
std::string FilterText(const ui::FileDialog& request) {
    std::string filter;
    for (const ui::FileFilter& each : request.filters) {
        if (!filter.empty()) filter += '\n';
        filter += each.description + '\t' + CaseBlindPattern(each.pattern);
    }
    return filter;
}

}  // namespace

FltkDriver::FltkDriver() { FL_NORMAL_SIZE = kDialogFontSize; }

void FltkDriver::RunDialog(ui::HWND dialog, int) {
    DialogWindow window(dialog);
    window.Run();
}

int FltkDriver::AnswerMessageBox(ui::HWND owner, std::string_view text, std::string_view caption, unsigned type) {
    if ((type & ui::MB_TYPEMASK) != ui::MB_OK) return DialogDriver::AnswerMessageBox(owner, text, caption, type);
    fl_message_title(std::string(caption).c_str());
    fl_message("%s", std::string(text).c_str());
    return ui::IDOK;
}

bool FltkDriver::AnswerFileDialog(const ui::FileDialog& request, bool save, std::string& path) {
    Fl_Native_File_Chooser chooser(save ? Fl_Native_File_Chooser::BROWSE_SAVE_FILE
                                        : Fl_Native_File_Chooser::BROWSE_FILE);
    chooser.title(request.title.c_str());
    const std::string filter = FilterText(request);
    chooser.filter(filter.c_str());
    if (save && (request.flags & ui::OFN_OVERWRITEPROMPT)) chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM);
    if (!request.path.empty()) chooser.preset_file(request.path.c_str());
    switch (chooser.show()) {
    case 0: path = chooser.filename(); return true;
    case -1: fl_alert("%s", chooser.errmsg()); return false;
    default: return false;  // cancelled
    }
}

}  // namespace actorbuilder::desktop
