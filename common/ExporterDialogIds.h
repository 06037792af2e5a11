#pragma once
// The ids of the exporter's two dialogs and of their controls: the exporter
// builds the dialogs from them, and a host that drives the dialogs for the
// artist (the command-line program) finds the controls by them.

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

}  // namespace options_dialog

namespace completion_dialog {

constexpr int kTemplateId = 3000;
constexpr int kStep1BitmapId = 3001;
constexpr int kStep2BitmapId = 3002;

constexpr int kCommand = 5001;
constexpr int kOk = 1003;

}  // namespace completion_dialog
