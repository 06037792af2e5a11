#include "host/ui/Driver.h"

#include "host/ui/CommonDialogs.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

std::vector<DialogDriver*>& InstalledDrivers() {
    static std::vector<DialogDriver*> drivers;
    return drivers;
}

}  // namespace

void DialogDriver::RunDialog(HWND, int) {}

int DialogDriver::AnswerMessageBox(HWND, std::string_view, std::string_view, unsigned type) {
    return DefaultMessageBoxAnswer(type);
}

bool DialogDriver::AnswerFileDialog(const FileDialog&, bool, std::string&) { return false; }

void CallbackDriver::RunDialog(HWND dialog, int templateId) {
    if (action_) action_(dialog, templateId);
}

ScopedDialogDriver::ScopedDialogDriver(DialogDriver& driver) : driver_(driver) {
    InstalledDrivers().push_back(&driver_);
}

ScopedDialogDriver::~ScopedDialogDriver() {
    // Scopes normally end in reverse order; remove this one wherever it sits.
    auto& drivers = InstalledDrivers();
    auto found = std::find(drivers.rbegin(), drivers.rend(), &driver_);
    if (found != drivers.rend()) drivers.erase(std::next(found).base());
}

DialogDriver& CurrentDialogDriver() {
    static DialogDriver defaultAnswers;
    auto& drivers = InstalledDrivers();
    return drivers.empty() ? defaultAnswers : *drivers.back();
}

}  // namespace ui
