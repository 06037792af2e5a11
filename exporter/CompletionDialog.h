#pragma once
// The dialog at the end of an export: tells the user that the console
// command running the EXEC script is on the clipboard, and shows it.

#include "host/ui/Messages.h"

#include <string>

// Runs the dialog modally over parent until OK or closing.
void ShowCompletionDialog(const std::string& command, ui::HWND parent);
