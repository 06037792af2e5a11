#pragma once
// Inside the window layer: what a handle stands for. Only the layer's own
// sources include this; everyone else goes through the handle functions.

#include "host/ui/Window.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {

class Bitmap;

namespace detail {

// One modal run in progress; EndDialog fills it, DialogBoxParam reads it
// even after the dialog was destroyed.
struct ModalRun {
    bool ended = false;
    INT_PTR result = 0;
};

struct WindowRecord {
    HWND handle = nullptr;
    std::string className;  // the registered spelling
    std::string text;
    unsigned style = 0;
    int id = 0;
    HWND parent = nullptr;  // the parent of a child, the owner of a top-level window
    std::vector<HWND> children;
    RECT rect;  // relative to the parent's top-left corner for a child

    unsigned check = BST_UNCHECKED;
    std::vector<std::string> items;
    int selection = -1;
    const Bitmap* image = nullptr;

    LPARAM userData = 0;
    std::shared_ptr<void> controlState;

    DLGPROC proc = nullptr;
    ModalRun* modalRun = nullptr;
    bool destroying = false;
};

// The record of a live window; null for anything else.
WindowRecord* Record(HWND window);

// The answer of a built-in control class to a message sent to it.
INT_PTR ControlMessage(WindowRecord& control, unsigned message, WPARAM wParam, LPARAM lParam);

bool IsClass(const WindowRecord& window, const char* className);

}  // namespace detail
}  // namespace ui
