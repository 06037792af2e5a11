#include "actorbuilder/ActorBuilderResource.h"

#include "actorbuilder/ListView.h"

namespace actorbuilder {

const ui::DialogTemplate& Template() {
    static const ui::DialogTemplate dialog{
        kDialogId,
        "corvatrix Actor Builder v0.1",
        363,
        332,
        {
            ui::GroupBox("General", 7, 4, 349, 30),
            ui::Label("Actor class:", 14, 17, 48, 8),
            ui::EditText(kClassName, 64, 15, 150, 12),
            ui::GroupBox("Geometry", 7, 38, 349, 46),
            ui::AutoCheckBox(kUseGeometry, "Use custom geometry", 14, 50, 90, 10),
            ui::AutoCheckBox(kRenderable, "Renderable", 130, 50, 60, 10),
            ui::AutoCheckBox(kWireframe, "Wireframe display", 210, 50, 80, 10),
            ui::Label(".ASE file:", 14, 67, 48, 8),
            ui::EditText(kAsePath, 64, 65, 258, 12),
            ui::PushButton(kBrowseAse, "...", 326, 65, 22, 12),
            ui::GroupBox("Actor Properties", 7, 88, 349, 206),
            listview::ReportView(kPropertyList, 14, 100, 288, 130),
            ui::PushButton(kMoveUp, "Move &up", 306, 100, 44, 14),
            ui::PushButton(kMoveDown, "Move d&own", 306, 118, 44, 14),
            ui::PushButton(kDelete, "&Delete", 306, 136, 44, 14),
            ui::Label("Name:", 14, 240, 48, 8),
            ui::EditText(kNewName, 64, 238, 106, 12),
            ui::Label("Type:", 178, 240, 30, 8),
            ui::DropDownList(kNewType, 212, 238, 64, 80),
            ui::Label("T3D name:", 14, 258, 48, 8),
            ui::EditText(kNewT3dName, 64, 256, 106, 12),
            ui::Label("Default:", 178, 258, 30, 8),
            ui::EditText(kNewDefault, 212, 256, 64, 12, ui::ES_AUTOHSCROLL),
            ui::Label("Enum values:", 14, 276, 48, 8),
            ui::EditText(kNewEnumValues, 64, 274, 212, 12),
            ui::DefPushButton(kAdd, "&Add", 284, 238, 64, 14),
            ui::PushButton(kSetDefault, "&Set def.", 284, 256, 64, 14),
            ui::PushButton(kLoad, "&Load .CXA", 7, 310, 60, 14),
            ui::PushButton(kSave, "&Save", 232, 310, 60, 14),
            ui::PushButton(kExit, "E&xit", 296, 310, 60, 14),
        }};
    return dialog;
}

}  // namespace actorbuilder
