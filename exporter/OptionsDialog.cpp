#include "exporter/OptionsDialog.h"

#include "common/OptionText.h"
#include "exporter/OptionsDialogResource.h"
#include "host/os/Files.h"
#include "host/os/Settings.h"
#include "host/ui/CommonDialogs.h"
#include "host/ui/Dialog.h"
#include "host/ui/MainWindow.h"

#include <string>

namespace {

using namespace ui;
using namespace options_dialog;

constexpr const char* kMyLevel = "myLevel";
constexpr const char* kCaption = "Export options";
constexpr int kGridSizes = 11;  // 1, 2, 4, ... 1024

struct SwitchControl {
    int id;
    std::int32_t ExportOptions::*option;
};

const SwitchControl kSwitches[] = {
    {kUseMyLevel, &ExportOptions::UseMyLevel},
    {kMergedImport, &ExportOptions::MergedImport},
    {kUpdateOnly, &ExportOptions::UpdateOnly},
    {kAdjustLights, &ExportOptions::AdjustLight},
    {kBoundBrush, &ExportOptions::BoundBrush},
    {kBuildOnImport, &ExportOptions::BuildOnImport},
    {kAltBrushes, &ExportOptions::AltBrushes},
    {kCollision, &ExportOptions::StaticMeshCollision},
    {kSavePackages, &ExportOptions::SavePackages},
    {kSnapActive, &ExportOptions::SnapBrushes},
};

ExportOptions& OptionsOf(HWND dialog) { return *reinterpret_cast<ExportOptions*>(GetWindowUserData(dialog)); }

void Initialise(HWND dialog, ExportOptions& options) {
    SetWindowUserData(dialog, reinterpret_cast<LPARAM>(&options));
    CenterWindow(dialog, GetParent(dialog));
    for (int power = 0; power < kGridSizes; ++power) {
        const std::string size = std::to_string(1 << power);
        SendDlgItemMessage(dialog, kGrid, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size.c_str()));
    }
    // The edit shows the stored Package even while "Use myLevel" disables it.
    SetDlgItemText(dialog, kPackage, options.Package);
    SetDlgItemText(dialog, kGroup, options.Group);
    if (options.UseMyLevel) EnableWindow(GetDlgItem(dialog, kPackage), false);
    for (const SwitchControl& control : kSwitches)
        CheckDlgButton(dialog, control.id, options.*control.option ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessage(dialog, kGrid, CB_SETCURSEL, static_cast<WPARAM>(options.SnapToSize), 0);
}

void UseMyLevelClicked(HWND dialog) {
    const bool useMyLevel = IsDlgButtonChecked(dialog, kUseMyLevel) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, kPackage), !useMyLevel);
    SetDlgItemText(dialog, kPackage, useMyLevel ? std::string(kMyLevel) : OptionsOf(dialog).Package);
}

// The export goes on with options that could not be stored; the artist
// learns that they will not be there next time.
void Store(HWND dialog, const ExportOptions& options) {
    if (options.Save()) return;
    const std::string reason = os::LastError();
    MessageBox(dialog,
               "The options were not saved to " + os::SettingsFilePath() + ": " + reason +
                   ". This export uses them all the same.",
               kCaption, MB_OK);
}

void Accept(HWND dialog) {
    ExportOptions& options = OptionsOf(dialog);
    const std::string package = GetDlgItemText(dialog, kPackage, ExportOptions::kMaxTextLength);
    const std::string group = GetDlgItemText(dialog, kGroup, ExportOptions::kMaxTextLength);
    // The dialog stays open for the artist to mend the name.
    if (!IsValidOptionText(package) || !IsValidOptionText(group)) {
        MessageBox(dialog, kOptionTextRule, kCaption, MB_OK);
        return;
    }
    options.Package = package;
    options.Group = group;
    for (const SwitchControl& control : kSwitches)
        options.*control.option = static_cast<std::int32_t>(IsDlgButtonChecked(dialog, control.id));
    options.SnapToSize = static_cast<std::int32_t>(SendDlgItemMessage(dialog, kGrid, CB_GETCURSEL, 0, 0));
    options.SnapZones = 0;  // no control sets it
    Store(dialog, options);
    EndDialog(dialog, 0);
}

INT_PTR OptionsDialogProc(HWND dialog, unsigned message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: Initialise(dialog, *reinterpret_cast<ExportOptions*>(lParam)); return true;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kUseMyLevel: UseMyLevelClicked(dialog); return true;
        case kOk: Accept(dialog); return true;
        case kCancel: EndDialog(dialog, 1); return true;
        default: return false;
        }
    // Closing the window goes on with the options as they were.
    case WM_CLOSE: EndDialog(dialog, 0); return true;
    default: return false;
    }
}

}  // namespace

int RunOptionsDialog(ExportOptions& options, HWND parent) {
    return static_cast<int>(DialogBoxParam(Template(), parent, OptionsDialogProc, reinterpret_cast<LPARAM>(&options)));
}
