#pragma once
// The completion dialog's resources: its template, its two step pictures
// and the ids of its controls.

#include "host/ui/Bitmap.h"
#include "host/ui/DialogTemplate.h"

namespace completion_dialog {

constexpr int kTemplateId = 3000;
constexpr int kStep1BitmapId = 3001;
constexpr int kStep2BitmapId = 3002;

constexpr int kCommand = 5001;
constexpr int kOk = 1003;

const ui::DialogTemplate& Template();
const ui::Bitmap& Step1Picture();
const ui::Bitmap& Step2Picture();

}  // namespace completion_dialog
