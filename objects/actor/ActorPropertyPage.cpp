#include "objects/actor/ActorPropertyPage.h"

#include "host/ui/CustomControls.h"
#include "host/ui/Window.h"
#include "objects/cxa/ActorDef.h"

#include <string>
#include <string_view>

namespace {

constexpr int kTopY = 10;
constexpr int kEmptyHeight = 20;
constexpr int kEditIdOffset = 4000;
constexpr std::size_t kMaxItemText = 256;

constexpr unsigned kCheckBoxStyle = 0x50000003;     // visible child auto check box
constexpr unsigned kRightLabelStyle = 0x50000202;   // right-aligned, vertically centred
constexpr unsigned kLeftLabelStyle = 0x50000200;    // left-aligned, vertically centred
constexpr unsigned kPlainChildStyle = 0x50000000;   // visible child
constexpr unsigned kDropDownStyle = 0x50000203;     // visible child drop-down list

ui::HWND Child(ui::HWND page, const char* className, std::string_view text, unsigned style, int x, int y, int width,
               int height, int id) {
    return ui::CreateWindow(className, text, style, x, y, width, height, page, id);
}

// Spinner limits and the field kind of the three numeric types.
struct NumericKind {
    bool isFloat;
    int low;
    int high;
    int advance;
};

NumericKind NumericKindOf(std::int32_t type) {
    switch (type) {
        case cxa::kByte: return {false, 0, 255, 20};
        case cxa::kFloat: return {true, -65536, 65536, 21};
        default: return {false, -65536, 65536, 20};
    }
}

// Label, edit and spinner; false (no advance) when the spinner is missing.
bool AddNumeric(ui::HWND page, const ActorPropDef& prop, ValueCell value, int id, int& y) {
    const NumericKind kind = NumericKindOf(prop.type);
    Child(page, "STATIC", prop.name.View(), kRightLabelStyle, 6, y, 88, 16, -1);
    ui::HWND edit = Child(page, ui::CUSTEDIT_WINDOW_CLASS, "", kPlainChildStyle, 100, y, 42, 16, id + kEditIdOffset);
    ui::HWND spinnerWindow = Child(page, ui::SPINNER_WINDOW_CLASS, "", kPlainChildStyle, 143, y, 15, 16, id);
    if (!spinnerWindow) return false;
    if (ui::ISpinnerControl spinner = ui::GetISpinner(spinnerWindow)) {
        if (kind.isFloat) {
            spinner.SetLimits(static_cast<float>(kind.low), static_cast<float>(kind.high), true);
            spinner.LinkToEdit(edit, ui::EDITTYPE_FLOAT);
            spinner.SetValue(value.AsFloat(), true);
        } else {
            spinner.SetLimits(kind.low, kind.high, true);
            spinner.LinkToEdit(edit, ui::EDITTYPE_INT);
            spinner.SetValue(value.AsInt(), true);
        }
    }
    y += kind.advance;
    return true;
}

// A value at or past the last item selects the last; a negative one none.
void AddEnum(ui::HWND page, const ActorPropDef& prop, ValueCell value, int id, int& y) {
    Child(page, "STATIC", prop.name.View(), kLeftLabelStyle, 10, y, 140, 16, -1);
    ui::HWND list = Child(page, "COMBOBOX", "", kDropDownStyle, 10, y + 15, 140, 140, id);
    if (!list) {
        y += 15;
        return;
    }
    int count = 0;
    for (std::string_view item : cxa::EnumItems(prop.enumValues.View())) {
        const std::string text(item.substr(0, kMaxItemText));
        ui::SendMessage(list, ui::CB_ADDSTRING, 0, reinterpret_cast<ui::LPARAM>(text.c_str()));
        ++count;
    }
    const std::int32_t selected = value.AsInt() >= count ? count - 1 : value.AsInt();
    ui::SendMessage(list, ui::CB_SETCURSEL, static_cast<ui::WPARAM>(static_cast<ui::INT_PTR>(selected)), 0);
    y += 41;
}

void AddControl(ui::HWND page, const ActorPropDef& prop, ValueCell value, int id, int& y) {
    switch (prop.type) {
        case cxa::kBoolean:
            if (ui::HWND box = Child(page, "BUTTON", prop.name.View(), kCheckBoxStyle, 10, y, 140, 17, id)) {
                ui::SendMessage(box, ui::BM_SETCHECK, value.AsInt() != 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED, 0);
                y += 18;
            }
            break;
        case cxa::kInteger:
        case cxa::kByte:
        case cxa::kFloat: AddNumeric(page, prop, value, id, y); break;
        case cxa::kEnum: AddEnum(page, prop, value, id, y); break;
        case cxa::kColour:
            Child(page, "STATIC", prop.name.View(), kRightLabelStyle, 10, y, 100, 18, -1);
            if (ui::HWND swatch =
                    Child(page, ui::COLORSWATCH_WINDOW_CLASS, prop.name.View(), kDropDownStyle, 118, y, 32, 18, id)) {
                if (ui::IColorSwatch colour = ui::GetIColorSwatch(swatch)) {
                    colour.SetColor(static_cast<ui::COLORREF>(value.AsInt()), false);
                }
                y += 22;
            }
            break;
        default: break;
    }
}

// The property whose main control has this id; -1 for none.
int PropertyOfControl(const ActorDef& def, int controlId) {
    const int offset = controlId - kFirstPropertyControlId;
    if (offset < 0 || offset % 4 != 0 || offset / 4 >= def.Count()) return -1;
    return offset / 4;
}

ActorDef* PageDefinition(ui::HWND page) {
    auto* holder = reinterpret_cast<ActorDefinitionHolder*>(ui::GetWindowUserData(page));
    return holder ? holder->Definition() : nullptr;
}

bool StoreCommand(ActorDef& def, int index, ui::HWND control) {
    const std::int32_t type = def.properties[index].type;
    if (type == cxa::kBoolean) {
        const bool checked = ui::SendMessage(control, ui::BM_GETCHECK, 0, 0) == ui::BST_CHECKED;
        def.values[index] = ValueCell::FromInt(checked ? 1 : 0);
    } else if (type == cxa::kEnum) {
        def.values[index] = ValueCell::FromInt(static_cast<std::int32_t>(ui::SendMessage(control, ui::CB_GETCURSEL, 0, 0)));
    }
    return true;
}

bool StoreSpinner(ActorDef& def, int index, ui::HWND control) {
    const ui::ISpinnerControl spinner = ui::GetISpinner(control);
    const std::int32_t type = def.properties[index].type;
    if (!spinner) return true;
    if (type == cxa::kInteger || type == cxa::kByte) def.values[index] = ValueCell::FromInt(spinner.GetIVal());
    if (type == cxa::kFloat) def.values[index] = ValueCell::FromFloat(spinner.GetFVal());
    return true;
}

bool StoreColour(ActorDef& def, int index, ui::HWND control) {
    const ui::IColorSwatch swatch = ui::GetIColorSwatch(control);
    if (swatch && def.properties[index].type == cxa::kColour) {
        def.values[index] = ValueCell::FromInt(static_cast<std::int32_t>(swatch.GetColor()));
    }
    return true;
}

}  // namespace

const ui::DialogTemplate& PropertyPageTemplate() {
    static const ui::DialogTemplate page{117, "", 108, 10, {}};
    return page;
}

int BuildPropertyControls(ui::HWND page, const ActorDef& def) {
    if (def.Count() == 0) return kEmptyHeight;
    int y = kTopY;
    for (int i = 0; i < def.Count(); ++i) AddControl(page, def.properties[i], def.values[i], PropertyControlId(i), y);
    return y + 10;
}

ui::INT_PTR PropertyPageProc(ui::HWND page, unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (message == ui::WM_INITDIALOG) {
        ui::SetWindowUserData(page, lParam);
        return 1;
    }
    if (message != ui::WM_COMMAND && message != ui::CC_SPINNER_BUTTONUP && message != ui::CC_COLOR_CHANGE) return 0;
    ActorDef* def = PageDefinition(page);
    if (!def) return 0;
    const int index = PropertyOfControl(*def, ui::LOWORD(wParam));
    if (index < 0) return 0;
    // Commands carry the control's window in lParam, as the custom controls' notifications do.
    const auto control = reinterpret_cast<ui::HWND>(lParam);
    if (message == ui::WM_COMMAND) return StoreCommand(*def, index, control);
    if (message == ui::CC_SPINNER_BUTTONUP) return StoreSpinner(*def, index, control);
    return StoreColour(*def, index, control);
}
