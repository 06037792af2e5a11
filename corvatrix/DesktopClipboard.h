#pragma once
// The desktop clipboard as the command line reaches it.

#include <string>

// Hands text to the desktop's clipboard through wl-copy, xclip or xsel, when
// one of them is installed and a display is set. True only when the tool
// took it; the program prints the text either way.
bool CopyToDesktopClipboard(const std::string& text);
