#pragma once
// Message boxes and file-open/save dialogs: services that the current
// driver answers (Driver.h). Without a driver a message box answers its
// default button and a file dialog is cancelled.

#include "host/ui/Messages.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Message box types: the buttons, the icon and which button is the default.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;

// Returns the id of the button pressed (IDOK, IDCANCEL, IDYES, IDNO).
int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned type);
// The button that a message box of this type presses by default.
int DefaultMessageBoxAnswer(unsigned type);

// File dialog flags.
constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;
constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;
constexpr unsigned OFN_EXPLORER = 0x80000;
constexpr unsigned OFN_LONGNAMES = 0x200000;

struct FileFilter {
    std::string description;  // "ASE File"
    std::string pattern;      // "*.ASE"
};

struct FileDialog {
    HWND owner = nullptr;
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // added to a chosen name without extension
    unsigned flags = 0;
    std::size_t maxPath = 260;  // the path buffer, terminating zero included
    std::string path;           // the initial name; the chosen path on success
};

// True with dialog.path set when the user chose a file. An open dialog with
// OFN_FILEMUSTEXIST does not accept a missing file, and a path that does not
// fit the buffer fails, as with the system's dialogs.
bool GetOpenFileName(FileDialog& dialog);
bool GetSaveFileName(FileDialog& dialog);

}  // namespace ui
