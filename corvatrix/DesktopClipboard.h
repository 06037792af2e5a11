#pragma once

#include <string>

// Hands text to the desktop's clipboard through wl-copy, xclip or xsel, when
// one of them is installed and a display is set. Failure is silent: the
// program prints the text anyway.
void CopyToDesktopClipboard(const std::string& text);
