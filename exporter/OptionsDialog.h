#pragma once
// The options dialog at the start of each export: shows the stored options,
// lets the user change them, and stores them again on OK.

#include "common/ExportOptions.h"
#include "host/ui/Messages.h"

// Runs the dialog modally over parent. 0: go on with the export (after OK,
// or after closing the window, which keeps the options as they were);
// non-zero: cancelled.
int RunOptionsDialog(ExportOptions& options, ui::HWND parent);
