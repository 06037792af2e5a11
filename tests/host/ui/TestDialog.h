#pragma once
// Test helper: one dialog with a control of every kind the layer knows.

#include "host/ui/DialogTemplate.h"

namespace test_dialog {

constexpr int kTemplateId = 42;
constexpr int kCheck = 100;
constexpr int kTriState = 101;
constexpr int kRadioA = 102;
constexpr int kRadioB = 103;
constexpr int kRadioOther = 104;
constexpr int kEdit = 110;
constexpr int kReadOnly = 111;
constexpr int kDigits = 112;
constexpr int kCombo = 120;
constexpr int kList = 121;
constexpr int kPush = 130;
constexpr int kDisabledPush = 131;
constexpr int kGroupBox = 140;

inline ui::DialogControl With(ui::DialogControl control, unsigned extraStyle) {
    control.style |= extraStyle;
    return control;
}

inline const ui::DialogTemplate& Template() {
    static const ui::DialogTemplate dialog{
        kTemplateId,
        "Test",
        200,
        120,
        {
            ui::AutoCheckBox(kCheck, "Check", 5, 5, 60, 10),
            ui::DialogControl{kTriState, "BUTTON", "Three", ui::WS_CHILD | ui::WS_VISIBLE | ui::BS_AUTO3STATE, 5,
                              17, 60, 10},
            ui::AutoRadioButton(kRadioA, "A", 5, 29, 30, 10, ui::WS_GROUP),
            ui::AutoRadioButton(kRadioB, "B", 40, 29, 30, 10),
            ui::AutoRadioButton(kRadioOther, "Other", 75, 29, 30, 10, ui::WS_GROUP),
            ui::EditText(kEdit, 5, 41, 60, 12),
            ui::EditText(kReadOnly, 70, 41, 60, 12, ui::ES_READONLY),
            ui::EditText(kDigits, 135, 41, 60, 12, ui::ES_NUMBER),
            ui::DropDownList(kCombo, 5, 55, 60, 80),
            ui::ListBox(kList, 70, 55, 60, 40),
            ui::PushButton(kPush, "Push", 5, 100, 40, 14),
            With(ui::PushButton(kDisabledPush, "Off", 50, 100, 40, 14), ui::WS_DISABLED),
            ui::DialogControl{kGroupBox, "Button", "Group", ui::WS_CHILD | ui::WS_VISIBLE | ui::BS_GROUPBOX, 140, 55,
                              50, 40},
            ui::Label("Label", 140, 100, 40, 8),
        }};
    return dialog;
}

}  // namespace test_dialog
