#pragma once
// The host's main window: the owner of the dialogs the plug-ins run. A front
// end moves it where the real window is, so that dialogs centre over it.

#include "host/ui/Window.h"

namespace ui {

// Created on first use, 1280 by 1024 pixels at the screen's origin.
HWND GetMainWindow();

// Moves window, keeping its size, so that its centre is over the centre of
// over (the main window when over is null).
void CenterWindow(HWND window, HWND over);

}  // namespace ui
