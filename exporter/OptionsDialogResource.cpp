#include "exporter/OptionsDialogResource.h"

namespace options_dialog {

const ui::Bitmap& Picture() {
    // A staggered brick wall: what the export builds levels from.
    static const ui::Bitmap picture(
        kBitmapId, {{'o', ui::RGB(205, 100, 70)}, {'r', ui::RGB(170, 60, 40)}, {'#', ui::RGB(90, 90, 90)}},
        {
            "ooooooo#ooooooo#ooooooo#",
            "rrrrrrr#rrrrrrr#rrrrrrr#",
            "########################",
            "ooo#ooooooo#ooooooo#oooo",
            "rrr#rrrrrrr#rrrrrrr#rrrr",
            "########################",
            "ooooooo#ooooooo#ooooooo#",
            "rrrrrrr#rrrrrrr#rrrrrrr#",
            "########################",
            "ooo#ooooooo#ooooooo#oooo",
            "rrr#rrrrrrr#rrrrrrr#rrrr",
            "########################",
        });
    return picture;
}

const ui::DialogTemplate& Template() {
    static const ui::DialogTemplate dialog{
        kTemplateId,
        "corvatrix",
        236,
        134,
        {
            ui::GroupBox("StaticMesh/Texture Package", 7, 4, 102, 60),
            ui::Label("Package:", 13, 17, 28, 8),
            ui::EditText(kPackage, 43, 15, 60, 12),
            ui::Label("Group:", 13, 32, 28, 8),
            ui::EditText(kGroup, 43, 30, 60, 12),
            ui::AutoCheckBox(kUseMyLevel, "Use myLevel for package", 13, 47, 92, 10),
            ui::GroupBox("Brush Vertex Snap", 7, 66, 102, 32),
            ui::AutoCheckBox(kSnapActive, "Active", 13, 80, 34, 10),
            ui::Label("Grid:", 50, 81, 18, 8),
            ui::DropDownList(kGrid, 70, 79, 33, 120),
            ui::BitmapControl(Picture(), 7, 102, 102, 26),
            ui::GroupBox("Options", 115, 4, 114, 108),
            ui::AutoCheckBox(kMergedImport, "Merged import", 121, 16, 104, 10),
            ui::AutoCheckBox(kUpdateOnly, "Update only", 121, 27, 104, 10),
            ui::AutoCheckBox(kBoundBrush, "Create bounding brush", 121, 38, 104, 10),
            ui::AutoCheckBox(kAltBrushes, "Use alt. method for brushes", 121, 49, 104, 10),
            ui::AutoCheckBox(kAdjustLights, "Adjust lights in scene", 121, 60, 104, 10),
            ui::AutoCheckBox(kBuildOnImport, "Auto build map on import", 121, 71, 104, 10),
            ui::AutoCheckBox(kCollision, "StaticMeshes have collision", 121, 82, 104, 10),
            ui::AutoCheckBox(kSavePackages, "Save packages on import", 121, 93, 104, 10),
            ui::DefPushButton(kOk, "&Ok", 115, 116, 55, 14),
            ui::PushButton(kCancel, "&Cancel", 174, 116, 55, 14),
        }};
    return dialog;
}

}  // namespace options_dialog
