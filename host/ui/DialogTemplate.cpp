#include "host/ui/DialogTemplate.h"

#include "host/ui/CustomControls.h"

#include <utility>

namespace ui {
namespace {

constexpr unsigned kShown = WS_CHILD | WS_VISIBLE;
constexpr unsigned kTabStop = kShown | WS_TABSTOP;

DialogControl Control(int id, const char* className, std::string text, unsigned style, int x, int y, int width,
                      int height) {
    DialogControl control;
    control.id = id;
    control.className = className;
    control.text = std::move(text);
    control.style = style;
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    return control;
}

int Scale(int value, int numerator, int denominator) {
    // Rounded to the nearest pixel, halves away from zero.
    const long scaled = static_cast<long>(value) * numerator;
    return static_cast<int>((scaled >= 0 ? scaled + denominator / 2 : scaled - denominator / 2) / denominator);
}

}  // namespace

DialogControl PushButton(int id, std::string text, int x, int y, int width, int height) {
    return Control(id, WC_BUTTON, std::move(text), kTabStop | BS_PUSHBUTTON, x, y, width, height);
}

DialogControl DefPushButton(int id, std::string text, int x, int y, int width, int height) {
    return Control(id, WC_BUTTON, std::move(text), kTabStop | BS_DEFPUSHBUTTON, x, y, width, height);
}

DialogControl AutoCheckBox(int id, std::string text, int x, int y, int width, int height) {
    return Control(id, WC_BUTTON, std::move(text), kTabStop | BS_AUTOCHECKBOX, x, y, width, height);
}

DialogControl AutoRadioButton(int id, std::string text, int x, int y, int width, int height, unsigned extraStyle) {
    return Control(id, WC_BUTTON, std::move(text), kShown | BS_AUTORADIOBUTTON | extraStyle, x, y, width, height);
}

DialogControl GroupBox(std::string text, int x, int y, int width, int height) {
    return Control(IDC_STATIC, WC_BUTTON, std::move(text), kShown | BS_GROUPBOX, x, y, width, height);
}

DialogControl Label(std::string text, int x, int y, int width, int height, unsigned extraStyle) {
    return Control(IDC_STATIC, WC_STATIC, std::move(text), kShown | extraStyle, x, y, width, height);
}

DialogControl EditText(int id, int x, int y, int width, int height, unsigned extraStyle) {
    return Control(id, WC_EDIT, "", kTabStop | extraStyle, x, y, width, height);
}

DialogControl DropDownList(int id, int x, int y, int width, int height) {
    return Control(id, WC_COMBOBOX, "", kTabStop | CBS_DROPDOWNLIST | CBS_HASSTRINGS, x, y, width, height);
}

DialogControl ListBox(int id, int x, int y, int width, int height) {
    return Control(id, WC_LISTBOX, "", kTabStop | LBS_NOTIFY, x, y, width, height);
}

DialogControl BitmapControl(const Bitmap& image, int x, int y, int width, int height) {
    DialogControl control = Control(IDC_STATIC, WC_STATIC, "", kShown | SS_BITMAP, x, y, width, height);
    control.image = &image;
    return control;
}

DialogControl SpinnerControl(int id, int x, int y, int width, int height) {
    return Control(id, SPINNER_WINDOW_CLASS, "", kShown, x, y, width, height);
}

DialogControl CustEdit(int id, int x, int y, int width, int height) {
    return Control(id, CUSTEDIT_WINDOW_CLASS, "", kTabStop, x, y, width, height);
}

DialogControl CustButton(int id, std::string text, int x, int y, int width, int height) {
    return Control(id, CUSTBUTTON_WINDOW_CLASS, std::move(text), kTabStop, x, y, width, height);
}

DialogControl ColorSwatch(int id, std::string text, int x, int y, int width, int height) {
    return Control(id, COLORSWATCH_WINDOW_CLASS, std::move(text), kShown, x, y, width, height);
}

RECT MapDialogRect(const RECT& dialogUnits) {
    constexpr int kBaseX = 6;
    constexpr int kBaseY = 13;
    return RECT{Scale(dialogUnits.left, kBaseX, 4), Scale(dialogUnits.top, kBaseY, 8),
                Scale(dialogUnits.right, kBaseX, 4), Scale(dialogUnits.bottom, kBaseY, 8)};
}

}  // namespace ui
