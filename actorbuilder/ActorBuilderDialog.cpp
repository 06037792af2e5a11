#include "actorbuilder/ActorBuilderDialog.h"

#include "actorbuilder/ActorBuilderResource.h"
#include "actorbuilder/DefinitionFile.h"
#include "actorbuilder/ListView.h"
#include "host/ui/CommonDialogs.h"
#include "host/ui/Dialog.h"
#include "objects/cxa/EditableReader.h"

#include <string>

namespace actorbuilder {
namespace {

using namespace ui;

// A path fits the file dialogs' buffer of 260 with its terminating zero.
constexpr std::size_t kMaxPathLength = 259;

// The edits take no more than every reader of a saved file keeps, so a
// saved file loads whole in the actor helper and back here.
struct EditLimit {
    int id;
    std::size_t maxChars;
};
constexpr EditLimit kEditLimits[] = {
    {kClassName, cxa::kMaxClassNameLength},        {kNewName, cxa::kMaxNameLength},
    {kNewT3dName, cxa::kMaxT3dNameLength},         {kNewEnumValues, cxa::kMaxEnumValuesLength},
    {kAsePath, kMaxPathLength},
};

const listview::Column kColumns[kColumnCount] = {
    {"Name", 90}, {"Type", 65}, {"T3D Name", 90}, {"Default", 60}, {"Enum values", 120}};

HWND List(HWND dialog) { return GetDlgItem(dialog, kPropertyList); }

// Sets an edit's text within its limit.
void SetEditText(HWND dialog, int id, const std::string& text) {
    std::size_t maxChars = std::string::npos;
    for (const EditLimit& limit : kEditLimits) {
        if (limit.id == id) maxChars = limit.maxChars;
    }
    SetDlgItemText(dialog, id, text.substr(0, maxChars));
}

FileDialog CxaOrAseDialog(HWND owner, std::string title, bool ase, unsigned flags) {
    FileDialog request;
    request.owner = owner;
    request.title = std::move(title);
    request.filters = {ase ? FileFilter{"ASE File", "*.ASE"} : FileFilter{"corvatrix Actor", "*.CXA"}};
    request.defaultExtension = ase ? "ASE" : "CXA";
    request.flags = flags | OFN_EXPLORER | OFN_LONGNAMES;
    request.maxPath = kMaxPathLength + 1;
    return request;
}

cxa::PropertyRow RowAt(HWND list, int row) {
    return cxa::PropertyRow{
        listview::CellText(list, row, kNameColumn), listview::CellText(list, row, kTypeColumn),
        listview::CellText(list, row, kT3dNameColumn), listview::CellText(list, row, kDefaultColumn),
        listview::CellText(list, row, kEnumValuesColumn)};
}

// Shows what is wrong, if anything; true then.
bool Refused(HWND dialog, const std::string& problem) {
    if (!problem.empty()) MessageBox(dialog, problem, kMessageCaption, MB_OK);
    return !problem.empty();
}

void Initialise(HWND dialog) {
    for (const listview::Column& column : kColumns) listview::AddColumn(List(dialog), column.header, column.width);
    // The drop-down's index is the type code.
    for (std::int32_t code = 0; code < cxa::kPropTypeCount; ++code) {
        const std::string name(cxa::PropTypeName(code));
        SendDlgItemMessage(dialog, kNewType, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    SendDlgItemMessage(dialog, kNewType, CB_SETCURSEL, cxa::kBoolean, 0);
}

void BrowseAse(HWND dialog) {
    FileDialog request = CxaOrAseDialog(dialog, "Select ASE geometry file...", true, OFN_FILEMUSTEXIST);
    if (GetOpenFileName(request)) SetEditText(dialog, kAsePath, request.path);
}

void AddProperty(HWND dialog) {
    const auto type = static_cast<std::int32_t>(SendDlgItemMessage(dialog, kNewType, CB_GETCURSEL, 0, 0));
    const std::string name = GetDlgItemText(dialog, kNewName);
    const std::string t3dName = GetDlgItemText(dialog, kNewT3dName);
    const std::string defaultText = GetDlgItemText(dialog, kNewDefault);
    const std::string enumValues = GetDlgItemText(dialog, kNewEnumValues);
    const bool isEnum = type == cxa::kEnum;
    if (type < 0 || name.empty() || t3dName.empty() || defaultText.empty() || (isEnum && enumValues.empty())) return;
    const cxa::PropertyRow added{name, std::string(cxa::PropTypeName(type)), t3dName, defaultText,
                                 isEnum ? enumValues : std::string()};
    if (Refused(dialog, RowProblem(added))) return;

    HWND list = List(dialog);
    const int row = listview::AppendRow(list);
    listview::SetCellText(list, row, kNameColumn, added.name);
    listview::SetCellText(list, row, kTypeColumn, added.type);
    listview::SetCellText(list, row, kT3dNameColumn, added.t3dName);
    listview::SetCellText(list, row, kDefaultColumn, added.defaultText);
    listview::SetCellText(list, row, kEnumValuesColumn, added.enumValues);
    for (int id : {kNewName, kNewDefault, kNewT3dName, kNewEnumValues}) SetDlgItemText(dialog, id, "");
}

void SetDefault(HWND dialog) {
    HWND list = List(dialog);
    const int row = listview::SelectedRow(list);
    if (row < 0) return;
    cxa::PropertyRow changed = RowAt(list, row);
    changed.defaultText = GetDlgItemText(dialog, kNewDefault);
    if (!Refused(dialog, RowProblem(changed))) listview::SetCellText(list, row, kDefaultColumn, changed.defaultText);
}

void DeleteProperty(HWND dialog) {
    HWND list = List(dialog);
    if (const int row = listview::SelectedRow(list); row >= 0) listview::DeleteRow(list, row);
}

void MoveProperty(HWND dialog, int step) {
    HWND list = List(dialog);
    const int row = listview::SelectedRow(list);
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < listview::RowCount(list)) listview::SwapRows(list, row, target);
}

cxa::DefinitionForm Form(HWND dialog) {
    cxa::DefinitionForm form;
    form.className = GetDlgItemText(dialog, kClassName);
    HWND list = List(dialog);
    for (int row = 0; row < listview::RowCount(list); ++row) form.rows.push_back(RowAt(list, row));
    form.useCustomGeometry = IsDlgButtonChecked(dialog, kUseGeometry) == BST_CHECKED;
    form.renderable = IsDlgButtonChecked(dialog, kRenderable) == BST_CHECKED;
    form.wireframe = IsDlgButtonChecked(dialog, kWireframe) == BST_CHECKED;
    form.asePath = GetDlgItemText(dialog, kAsePath);
    return form;
}

void Save(HWND dialog) {
    FileDialog request = CxaOrAseDialog(dialog, "Save corvatrix actor...", false, 0);
    if (!GetSaveFileName(request)) return;
    std::string error;
    const bool saved = SaveDefinition(request.path, Form(dialog), error);
    MessageBox(dialog, saved ? "Save successful" : "Save failed: " + error, kMessageCaption, MB_OK);
}

// Class name and properties come back; the check boxes and the ASE path
// stay as they are, as a file does not say where its mesh came from.
void Load(HWND dialog) {
    FileDialog request = CxaOrAseDialog(dialog, "Select corvatrix actor...", false, OFN_FILEMUSTEXIST);
    if (!GetOpenFileName(request)) return;
    HWND list = List(dialog);
    listview::DeleteAllRows(list);
    cxa::EditableDefinition definition;
    if (!cxa::ReadEditableFromFile(request.path, definition)) return;
    SetEditText(dialog, kClassName, std::string(definition.className.View()));
    for (const cxa::EditableProperty& property : definition.properties) {
        const int row = listview::AppendRow(list);
        listview::SetCellText(list, row, kNameColumn, property.name.View());
        listview::SetCellText(list, row, kTypeColumn, cxa::PropTypeName(property.type));
        listview::SetCellText(list, row, kT3dNameColumn, property.t3dName.View());
        listview::SetCellText(list, row, kDefaultColumn, std::to_string(property.defaultValue));
        listview::SetCellText(list, row, kEnumValuesColumn, property.enumValues.View());
    }
}

bool Clicked(HWND dialog, int id) {
    switch (id) {
    case kBrowseAse: BrowseAse(dialog); return true;
    case kAdd: AddProperty(dialog); return true;
    case kSetDefault: SetDefault(dialog); return true;
    case kDelete: DeleteProperty(dialog); return true;
    case kMoveUp: MoveProperty(dialog, -1); return true;
    case kMoveDown: MoveProperty(dialog, +1); return true;
    case kSave: Save(dialog); return true;
    case kLoad: Load(dialog); return true;
    case kExit: EndDialog(dialog, 0); return true;
    default: return false;
    }
}

INT_PTR ActorBuilderProc(HWND dialog, unsigned message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: Initialise(dialog); return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_CHANGE) {
            SetEditText(dialog, LOWORD(wParam), GetDlgItemText(dialog, LOWORD(wParam)));
            return true;
        }
        return HIWORD(wParam) == BN_CLICKED && Clicked(dialog, LOWORD(wParam));
    case WM_CLOSE: EndDialog(dialog, 0); return true;
    default: return false;
    }
}

}  // namespace

void RunActorBuilder(HWND owner) { DialogBoxParam(Template(), owner, ActorBuilderProc, 0); }

}  // namespace actorbuilder
