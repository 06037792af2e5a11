#include "host/ui/CustomControls.h"
#include "host/ui/Dialog.h"
#include "host/ui/DialogTemplate.h"
#include "host/ui/UserInput.h"
#include "tests/host/ui/RecordingProc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ui;

namespace {

constexpr int kSpinner = 10;
constexpr int kSpinnerEdit = 11;
constexpr int kEdit = 20;
constexpr int kReadOnlyEdit = 21;
constexpr int kButton = 30;
constexpr int kSwatch = 40;
constexpr int kPlainButton = 50;

const DialogTemplate& Page() {
    static const DialogTemplate page{
        7,
        "Custom",
        108,
        80,
        {
            CustEdit(kSpinnerEdit, 5, 5, 40, 10),
            SpinnerControl(kSpinner, 46, 5, 8, 10),
            CustEdit(kEdit, 5, 20, 60, 10),
            [] {
                DialogControl readOnly = CustEdit(kReadOnlyEdit, 5, 32, 60, 10);
                readOnly.style |= ES_READONLY;
                return readOnly;
            }(),
            CustButton(kButton, "Pick", 5, 45, 40, 12),
            ColorSwatch(kSwatch, "Colour", 50, 45, 20, 12),
            PushButton(kPlainButton, "Plain", 5, 60, 40, 12),
        }};
    return page;
}

// A notification as the page's procedure saw it, with the state of the
// control that sent it at that moment.
struct Notification {
    unsigned message;
    int id;
    unsigned code;
    HWND control;
    float spinnerValue;
    bool checked;
    COLORREF colour;
};

std::vector<Notification>& Notifications() {
    static std::vector<Notification> notifications;
    return notifications;
}

INT_PTR RecordNotification(HWND, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG || message == WM_DESTROY) return 0;
    HWND control = reinterpret_cast<HWND>(lParam);
    Notifications().push_back({message, LOWORD(wParam), HIWORD(wParam), control, GetISpinner(control).GetFVal(),
                               GetICustButton(control).IsChecked(), GetIColorSwatch(control).GetColor()});
    return 1;
}

class CustomControls : public ::testing::Test {
protected:
    void SetUp() override {
        InitCustomControls();
        Notifications().clear();
        page = CreateDialogParam(Page(), nullptr, RecordingProc::Proc, 0);
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override { DestroyWindow(page); }

    HWND Item(int id) const { return GetDlgItem(page, id); }
    ISpinnerControl Spinner() const { return GetISpinner(Item(kSpinner)); }
    std::vector<unsigned> Messages() const {
        std::vector<unsigned> messages;
        for (const Notification& n : Notifications()) messages.push_back(n.message);
        return messages;
    }

    RecordingProc recorder{RecordNotification};
    HWND page = nullptr;
};

}  // namespace

TEST_F(CustomControls, HandlesBelongToTheirClassAndDieWithTheirWindow) {
    EXPECT_TRUE(GetISpinner(Item(kSpinner)));
    EXPECT_TRUE(GetICustEdit(Item(kEdit)));
    EXPECT_TRUE(GetICustButton(Item(kButton)));
    EXPECT_TRUE(GetIColorSwatch(Item(kSwatch)));
    EXPECT_FALSE(GetISpinner(Item(kEdit)));
    EXPECT_FALSE(GetICustEdit(Item(kPlainButton)));
    EXPECT_FALSE(GetICustButton(Item(kPlainButton)));
    EXPECT_FALSE(GetIColorSwatch(nullptr));

    InitCustomControls();
    EXPECT_FALSE(RegisterWindowClass("spinnercontrol")) << "the classes stay registered once";

    ISpinnerControl spinner = Spinner();
    spinner.SetValue(5, false);
    DestroyWindow(Item(kSpinner));
    EXPECT_FALSE(spinner);
    spinner.SetValue(9, true);
    EXPECT_EQ(spinner.GetIVal(), 0) << "a handle of a destroyed window does nothing";
    EXPECT_TRUE(Notifications().empty());
}

TEST_F(CustomControls, SpinnerKeepsItsValueWithinLimitsAndShowsItInItsEdit) {
    ISpinnerControl spinner = Spinner();
    EXPECT_FLOAT_EQ(spinner.GetFVal(), 0.0f) << "a new spinner";
    spinner.SetValue(-12345.5f, false);
    EXPECT_FLOAT_EQ(spinner.GetFVal(), -12345.5f) << "no limits until some are set";

    spinner.LinkToEdit(Item(kSpinnerEdit), EDITTYPE_INT);
    spinner.SetLimits(0, 255);
    EXPECT_EQ(spinner.GetIVal(), 0) << "the current value is limited at once";
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "0");
    spinner.SetValue(300, false);
    EXPECT_EQ(spinner.GetIVal(), 255);
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "255");
    spinner.SetValue(7.6f, false);
    EXPECT_EQ(spinner.GetIVal(), 8) << "an integer spinner holds whole numbers";
    EXPECT_FLOAT_EQ(spinner.GetFVal(), 8.0f);

    spinner.LinkToEdit(Item(kSpinnerEdit), EDITTYPE_FLOAT);
    spinner.SetLimits(-10000.0f, 10000.0f);
    spinner.SetValue(2.5f, false);
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "2.5");
    spinner.SetValue(-20000.0f, false);
    EXPECT_FLOAT_EQ(spinner.GetFVal(), -10000.0f);
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "-10000.0");
    spinner.SetValue(0.125f, false);
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "0.125");

    spinner.SetLimits(1.0f, 2.0f, false);
    EXPECT_FLOAT_EQ(spinner.GetFVal(), 0.125f) << "limits for later values only";
    EXPECT_TRUE(Notifications().empty()) << "nothing asked for a notification";

    spinner.SetValue(1.5f, true);
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_EQ(Notifications()[0].message, CC_SPINNER_CHANGE);
    EXPECT_EQ(Notifications()[0].id, kSpinner);
    EXPECT_EQ(Notifications()[0].control, Item(kSpinner));
    EXPECT_FLOAT_EQ(Notifications()[0].spinnerValue, 1.5f);
}

TEST_F(CustomControls, UserChangesASpinnerWithItsArrowsOrItsEdit) {
    ISpinnerControl spinner = Spinner();
    spinner.LinkToEdit(Item(kSpinnerEdit), EDITTYPE_INT);
    spinner.SetLimits(0, 255);
    spinner.SetScale(1.0f);

    ASSERT_TRUE(user::SetSpinnerValue(Item(kSpinner), 300));
    EXPECT_EQ(Messages(), (std::vector<unsigned>{CC_SPINNER_BUTTONDOWN, CC_SPINNER_CHANGE, CC_SPINNER_BUTTONUP}));
    EXPECT_FLOAT_EQ(Notifications()[1].spinnerValue, 255.0f) << "the parent sees the limited value";
    EXPECT_EQ(Notifications()[1].id, kSpinner);

    user::StepSpinner(Item(kSpinner), -3);
    EXPECT_EQ(spinner.GetIVal(), 252);
    user::StepSpinner(Item(kSpinner), 10);
    EXPECT_EQ(spinner.GetIVal(), 255);

    Notifications().clear();
    ASSERT_TRUE(user::Type(Item(kSpinnerEdit), " 128 "));
    EXPECT_EQ(spinner.GetIVal(), 128);
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "128");
    EXPECT_EQ(Messages(), (std::vector<unsigned>{CC_SPINNER_CHANGE, CC_SPINNER_BUTTONUP}))
        << "the spinner speaks for its edit";
    ASSERT_TRUE(user::Type(Item(kSpinnerEdit), "-4"));
    EXPECT_EQ(spinner.GetIVal(), 0);

    Notifications().clear();
    user::Type(Item(kSpinnerEdit), "lots");
    EXPECT_EQ(spinner.GetIVal(), 0);
    EXPECT_EQ(GetDlgItemText(page, kSpinnerEdit), "0") << "text that is no number is taken back";
    EXPECT_TRUE(Notifications().empty());

    spinner.LinkToEdit(Item(kSpinnerEdit), EDITTYPE_FLOAT);
    spinner.SetLimits(-10000.0f, 10000.0f);
    spinner.SetScale(SPIN_AUTOSCALE);
    user::StepSpinner(Item(kSpinner), 2);
    EXPECT_NEAR(spinner.GetFVal(), 0.2f, 1e-6) << "an automatic step near zero";
    spinner.SetValue(5000.0f, false);
    user::StepSpinner(Item(kSpinner), 1);
    EXPECT_FLOAT_EQ(spinner.GetFVal(), 5050.0f) << "an automatic step grows with the value";

    EnableWindow(Item(kSpinner), false);
    EXPECT_FALSE(user::SetSpinnerValue(Item(kSpinner), 1.0));
    EXPECT_FALSE(user::SetSpinnerValue(Item(kEdit), 1.0));
    EXPECT_FLOAT_EQ(spinner.GetFVal(), 5050.0f);
}

TEST_F(CustomControls, CustomEditReportsEnter) {
    ICustEdit edit = GetICustEdit(Item(kEdit));
    edit.SetText("Hello world");
    EXPECT_EQ(edit.GetText(), "Hello world");
    EXPECT_EQ(edit.GetText(5), "Hello");
    EXPECT_TRUE(Notifications().empty());

    ASSERT_TRUE(user::Type(Item(kEdit), "Door opened"));
    EXPECT_EQ(edit.GetText(), "Door opened");
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_EQ(Notifications()[0].message, WM_CUSTEDIT_ENTER);
    EXPECT_EQ(Notifications()[0].id, kEdit);
    EXPECT_EQ(Notifications()[0].control, Item(kEdit));

    EXPECT_FALSE(user::Type(Item(kReadOnlyEdit), "x"));
    EXPECT_EQ(Notifications().size(), 1u);
}

TEST_F(CustomControls, CustomButtonClicksAndCheckButtonsStayPressed) {
    ICustButton button = GetICustButton(Item(kButton));
    EXPECT_EQ(button.GetType(), CBT_PUSH);
    ASSERT_TRUE(user::Click(Item(kButton)));
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_EQ(Notifications()[0].message, WM_COMMAND);
    EXPECT_EQ(Notifications()[0].code, BN_BUTTONUP);
    EXPECT_EQ(Notifications()[0].id, kButton);
    EXPECT_FALSE(Notifications()[0].checked) << "a push button springs back";
    button.SetCheck(true);
    EXPECT_FALSE(button.IsChecked());

    button.SetType(CBT_CHECK);
    user::Click(Item(kButton));
    EXPECT_TRUE(Notifications()[1].checked) << "the parent sees the button pressed in";
    user::Click(Item(kButton));
    EXPECT_FALSE(Notifications()[2].checked);
    button.SetCheck(true);
    EXPECT_TRUE(button.IsChecked());
    button.SetType(CBT_PUSH);
    EXPECT_FALSE(button.IsChecked());

    EnableWindow(Item(kButton), false);
    EXPECT_FALSE(user::Click(Item(kButton)));
    EXPECT_EQ(Notifications().size(), 3u);
}

TEST_F(CustomControls, ColorSwatchNotifiesTheColourPicked) {
    IColorSwatch swatch = GetIColorSwatch(Item(kSwatch));
    EXPECT_EQ(swatch.GetColor(), 0u);
    swatch.SetColor(RGB(10, 20, 30), false);
    EXPECT_EQ(swatch.GetColor(), 0x001E140Au);
    EXPECT_TRUE(Notifications().empty());

    ASSERT_TRUE(user::PickColor(Item(kSwatch), RGB(255, 128, 0)));
    ASSERT_EQ(Notifications().size(), 1u);
    EXPECT_EQ(Notifications()[0].message, CC_COLOR_CHANGE);
    EXPECT_EQ(Notifications()[0].id, kSwatch);
    EXPECT_EQ(Notifications()[0].colour, 0x000080FFu);

    swatch.SetColor(0xFF123456, false);
    EXPECT_EQ(swatch.GetColor(), 0x00123456u) << "only blue, green and red";
    EXPECT_FALSE(user::PickColor(Item(kButton), 0));
}
