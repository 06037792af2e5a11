#pragma once
// The completion dialog's resources: its template, its two step pictures
// and the ids of its controls (in common/ExporterDialogIds.h).

#include "common/ExporterDialogIds.h"
#include "host/ui/Bitmap.h"
#include "host/ui/DialogTemplate.h"

namespace completion_dialog {

const ui::DialogTemplate& Template();
const ui::Bitmap& Step1Picture();
const ui::Bitmap& Step2Picture();

}  // namespace completion_dialog
