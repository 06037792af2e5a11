#pragma once
// The options dialog's resources: its template, its picture and the ids of
// its controls.

#include "host/ui/Bitmap.h"
#include "host/ui/DialogTemplate.h"

namespace options_dialog {

constexpr int kTemplateId = 5000;
constexpr int kBitmapId = 5001;

constexpr int kPackage = 1001;
constexpr int kGroup = 1002;
constexpr int kUseMyLevel = 5000;
constexpr int kSnapActive = 1016;
constexpr int kGrid = 1018;
constexpr int kMergedImport = 1005;
constexpr int kUpdateOnly = 1009;
constexpr int kBoundBrush = 1006;
constexpr int kAltBrushes = 1019;
constexpr int kAdjustLights = 1004;
constexpr int kBuildOnImport = 1008;
constexpr int kCollision = 1020;
constexpr int kSavePackages = 1000;
constexpr int kOk = 1003;
constexpr int kCancel = 1007;

const ui::DialogTemplate& Template();
const ui::Bitmap& Picture();

}  // namespace options_dialog
