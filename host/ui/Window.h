#pragma once
// Windows of the headless user-interface layer: a tree of records that
// dialog procedures, drivers and front ends reach through handles. A handle
// is never reused, so a handle of a destroyed window stays invalid and every
// call given one does nothing.

#include "host/ui/Messages.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Makes a class known, so that windows of it can be created; the built-in
// classes of Messages.h are known from the start. False when it already was.
bool RegisterWindowClass(std::string_view className);

// Creates a window: with WS_CHILD a child of parent (x and y relative to
// it), otherwise a top-level window that parent owns (may be null).
// WS_DISABLED and WS_VISIBLE in style set its initial state. Null when the
// class is unknown, or a child is asked for without a valid parent.
HWND CreateWindow(std::string_view className, std::string_view text, unsigned style, int x, int y, int width,
                  int height, HWND parent, int id);

// Sends WM_DESTROY to the window while its children still exist (a page
// reads its controls there), then destroys the children the same way, and
// last frees the window itself.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);

// The parent of a child window, the owner of a top-level one.
HWND GetParent(HWND window);
std::vector<HWND> GetChildWindows(HWND window);
// The direct child with this id; null when there is none.
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND window);
std::string GetClassName(HWND window);
unsigned GetWindowStyle(HWND window);

bool SetWindowText(HWND window, std::string_view text);
// At most maxChars characters of the text.
std::string GetWindowText(HWND window, std::size_t maxChars = std::string::npos);

// Returns whether the window was disabled before.
bool EnableWindow(HWND window, bool enable);
bool IsWindowEnabled(HWND window);
// Returns whether the window was visible before.
bool ShowWindow(HWND window, int command);
// True when the window and all its ancestors are visible.
bool IsWindowVisible(HWND window);

// Screen coordinates.
RECT GetWindowRect(HWND window);
// Position relative to the parent for a child, on the screen otherwise.
bool MoveWindow(HWND window, int x, int y, int width, int height);

// A slot for the window's owner code (a page keeps the object it edits).
void SetWindowUserData(HWND window, LPARAM data);
LPARAM GetWindowUserData(HWND window);

// State of a control whose class the layer itself does not implement (a
// host custom control keeps its value here); released with the window.
void SetControlState(HWND window, std::shared_ptr<void> state);
void* GetControlState(HWND window);

// Calls the window's dialog procedure, or lets the built-in control answer
// (button check, list and picture messages). 0 for anything unhandled.
INT_PTR SendMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam);

}  // namespace ui
