#pragma once
// Message numbers, notification codes, styles and answer codes of the
// headless window layer. They keep the values the system's own texts use (a
// host spinner notifies with WM_USER + 602 = 1626, a drop-down list is
// created with style 0x50000203), so dialog code reads like its description.

#include <cstdint>

namespace ui {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using INT_PTR = std::intptr_t;

struct HWND__;
using HWND = HWND__*;

// A dialog procedure: true when it handled the message.
using DLGPROC = INT_PTR (*)(HWND window, unsigned message, WPARAM wParam, LPARAM lParam);

constexpr unsigned short LOWORD(WPARAM value) { return static_cast<unsigned short>(value & 0xFFFF); }
constexpr unsigned short HIWORD(WPARAM value) { return static_cast<unsigned short>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return (static_cast<WPARAM>(static_cast<unsigned short>(low))) |
           (static_cast<WPARAM>(static_cast<unsigned short>(high)) << 16);
}

// Window messages.
constexpr unsigned WM_DESTROY = 0x0002;
constexpr unsigned WM_CLOSE = 0x0010;
constexpr unsigned WM_NOTIFY = 0x004E;
constexpr unsigned WM_INITDIALOG = 0x0110;
constexpr unsigned WM_COMMAND = 0x0111;
constexpr unsigned WM_USER = 0x0400;

// The message data of WM_NOTIFY.
struct NMHDR {
    HWND hwndFrom = nullptr;
    std::uintptr_t idFrom = 0;
    unsigned code = 0;
};

// Button messages and check states.
constexpr unsigned BM_GETCHECK = 0x00F0;
constexpr unsigned BM_SETCHECK = 0x00F1;
constexpr unsigned BST_UNCHECKED = 0;
constexpr unsigned BST_CHECKED = 1;
constexpr unsigned BST_INDETERMINATE = 2;

// Static control picture (lParam is a const Bitmap*).
constexpr unsigned STM_SETIMAGE = 0x0172;
constexpr unsigned STM_GETIMAGE = 0x0173;

// Combo box (drop-down list) messages; strings travel as const char* / char*.
constexpr unsigned CB_ADDSTRING = 0x0143;
constexpr unsigned CB_GETCOUNT = 0x0146;
constexpr unsigned CB_GETCURSEL = 0x0147;
constexpr unsigned CB_GETLBTEXT = 0x0148;
constexpr unsigned CB_GETLBTEXTLEN = 0x0149;
constexpr unsigned CB_RESETCONTENT = 0x014B;
constexpr unsigned CB_SETCURSEL = 0x014E;
constexpr INT_PTR CB_ERR = -1;

// List box messages.
constexpr unsigned LB_ADDSTRING = 0x0180;
constexpr unsigned LB_RESETCONTENT = 0x0184;
constexpr unsigned LB_SETCURSEL = 0x0186;
constexpr unsigned LB_GETCURSEL = 0x0188;
constexpr unsigned LB_GETTEXT = 0x0189;
constexpr unsigned LB_GETTEXTLEN = 0x018A;
constexpr unsigned LB_GETCOUNT = 0x018B;
constexpr INT_PTR LB_ERR = -1;

// Notification codes carried in the high word of WM_COMMAND's wParam.
constexpr unsigned BN_CLICKED = 0;
constexpr unsigned EN_CHANGE = 0x0300;
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned LBN_SELCHANGE = 1;

// Window styles.
constexpr unsigned WS_CHILD = 0x40000000;
constexpr unsigned WS_VISIBLE = 0x10000000;
constexpr unsigned WS_DISABLED = 0x08000000;
constexpr unsigned WS_GROUP = 0x00020000;
constexpr unsigned WS_TABSTOP = 0x00010000;

// Button styles; the low four bits are the button's kind.
constexpr unsigned BS_PUSHBUTTON = 0x0;
constexpr unsigned BS_DEFPUSHBUTTON = 0x1;
constexpr unsigned BS_CHECKBOX = 0x2;
constexpr unsigned BS_AUTOCHECKBOX = 0x3;
constexpr unsigned BS_RADIOBUTTON = 0x4;
constexpr unsigned BS_3STATE = 0x5;
constexpr unsigned BS_AUTO3STATE = 0x6;
constexpr unsigned BS_GROUPBOX = 0x7;
constexpr unsigned BS_AUTORADIOBUTTON = 0x9;
constexpr unsigned BS_TYPEMASK = 0xF;

// Static, edit, combo box and list box styles.
constexpr unsigned SS_LEFT = 0x0;
constexpr unsigned SS_RIGHT = 0x2;
constexpr unsigned SS_BITMAP = 0xE;
constexpr unsigned SS_CENTERIMAGE = 0x200;
constexpr unsigned ES_AUTOHSCROLL = 0x80;
constexpr unsigned ES_READONLY = 0x800;
constexpr unsigned ES_NUMBER = 0x2000;
constexpr unsigned CBS_DROPDOWNLIST = 0x3;
constexpr unsigned CBS_HASSTRINGS = 0x200;
constexpr unsigned LBS_NOTIFY = 0x1;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Control and answer ids.
constexpr int IDC_STATIC = -1;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Window classes the layer knows without registration (names compare
// without regard to case, "BUTTON" is "Button").
constexpr const char* WC_BUTTON = "Button";
constexpr const char* WC_EDIT = "Edit";
constexpr const char* WC_STATIC = "Static";
constexpr const char* WC_COMBOBOX = "ComboBox";
constexpr const char* WC_LISTBOX = "ListBox";
constexpr const char* WC_LISTVIEW = "SysListView32";
constexpr const char* WC_DIALOG = "Dialog";

}  // namespace ui
