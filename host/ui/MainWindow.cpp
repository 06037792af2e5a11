#include "host/ui/MainWindow.h"

namespace ui {

HWND GetMainWindow() {
    constexpr const char* kMainWindowClass = "HostMainWindow";
    static HWND mainWindow = nullptr;
    if (!IsWindow(mainWindow)) {
        RegisterWindowClass(kMainWindowClass);
        mainWindow = CreateWindow(kMainWindowClass, "corvatrix", WS_VISIBLE, 0, 0, 1280, 1024, nullptr, 0);
    }
    return mainWindow;
}

void CenterWindow(HWND window, HWND over) {
    if (!IsWindow(window)) return;
    const RECT target = GetWindowRect(IsWindow(over) ? over : GetMainWindow());
    const RECT current = GetWindowRect(window);
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    int x = target.left + (target.right - target.left - width) / 2;
    int y = target.top + (target.bottom - target.top - height) / 2;
    if (GetWindowStyle(window) & WS_CHILD) {
        // A child is placed relative to its parent.
        const RECT parent = GetWindowRect(GetParent(window));
        x -= parent.left;
        y -= parent.top;
    }
    MoveWindow(window, x, y, width, height);
}

}  // namespace ui
