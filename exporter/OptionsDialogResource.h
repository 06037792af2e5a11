#pragma once
// The options dialog's resources: its template, its picture and the ids of
// its controls (in common/ExporterDialogIds.h).

#include "common/ExporterDialogIds.h"
#include "host/ui/Bitmap.h"
#include "host/ui/DialogTemplate.h"

namespace options_dialog {

const ui::DialogTemplate& Template();
const ui::Bitmap& Picture();

}  // namespace options_dialog
