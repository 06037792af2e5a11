// The "Properties" page: the controls made for a definition, where they
// sit, what they show and how the artist's changes reach the values.

#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"
#include "host/ui/Window.h"
#include "objects/actor/ActorPropertyPage.h"
#include "tests/objects/actor/ActorEditing.h"
#include "tests/objects/actor/ActorFolder.h"

#include <gtest/gtest.h>

namespace {

class PropertyPage : public ActorEditing {
protected:
    // An actor of a class with rows, being edited; its page.
    ui::HWND Edit(std::vector<cxa::PropertyRow> rows) {
        folder_.Write("Thing.cxa", "Thing", std::move(rows));
        actor_ = std::make_unique<ActorHelperObject>(folder_.Library());
        EXPECT_TRUE(actor_->ChooseClass(0));
        Begin(*actor_);
        return Page("Properties");
    }
    ValueCell Value(int i) const { return actor_->Definition()->values[i]; }

    ActorFolder folder_;
    std::unique_ptr<ActorHelperObject> actor_;
};

TEST_F(PropertyPage, ControlsHaveIdsFourApartInPropertyOrder) {
    ui::HWND page = Edit({{"A", "BOOLEAN", "a", "0", ""},
                          {"B", "INTEGER", "b", "0", ""},
                          {"C", "FLOAT", "c", "0", ""},
                          {"D", "ENUM", "d", "0", "x"},
                          {"E", "COLOUR", "e", "0", ""}});
    const char* classes[] = {"Button", "SpinnerControl", "SpinnerControl", "ComboBox", "ColorSwatch"};
    for (int i = 0; i < 5; ++i) {
        ui::HWND control = ui::GetDlgItem(page, 7745 + 4 * i);
        ASSERT_NE(control, nullptr) << i;
        EXPECT_EQ(ui::GetClassName(control), classes[i]);
    }
    EXPECT_EQ(ui::GetClassName(ui::GetDlgItem(page, 7749 + 4000)), "CustEdit") << "the spinner's edit";
    EXPECT_EQ(ui::GetWindowStyle(ui::GetDlgItem(page, 7745)), 0x50000003u);
}

TEST_F(PropertyPage, HeightFollowsTheTypes) {
    ActorFolder folder;
    folder.Write("T.cxa", "T", {{"A", "BOOLEAN", "a", "0", ""}, {"B", "FLOAT", "b", "0", ""}, {"C", "ENUM", "c", "0", "x,y"}});
    ActorDef def;
    ASSERT_TRUE(folder.Library().LoadDefinition(0, def));
    ui::HWND page = ui::CreateWindow("STATIC", "", ui::WS_VISIBLE, 0, 0, 200, 200, nullptr, 0);
    EXPECT_EQ(BuildPropertyControls(page, def), 100);
    EXPECT_EQ(ui::GetWindowRect(ui::GetDlgItem(page, 7753)).top - ui::GetWindowRect(page).top, 10 + 18 + 21 + 15);
    ui::DestroyWindow(page);

    EXPECT_EQ(BuildPropertyControls(nullptr, ActorDef()), 20) << "no properties";
}

TEST_F(PropertyPage, EnumSelectionIsLimitedToTheLastItem) {
    ui::HWND page = Edit({{"Seven", "ENUM", "s", "7", "a,b,c"},
                          {"Three", "ENUM", "t", "3", "a,b,c"},
                          {"One", "ENUM", "o", "1", "a,b,c"},
                          {"Minus", "ENUM", "m", "-1", "a,b,c"}});
    EXPECT_EQ(ui::SendDlgItemMessage(page, 7745, ui::CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(ui::SendDlgItemMessage(page, 7749, ui::CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(ui::SendDlgItemMessage(page, 7753, ui::CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ui::SendDlgItemMessage(page, 7757, ui::CB_GETCURSEL, 0, 0), ui::CB_ERR);
    EXPECT_EQ(Value(0).AsInt(), 7) << "showing a value does not change it";
}

TEST_F(PropertyPage, ChangesAreStoredAtOnce) {
    ui::HWND page = Edit({{"On", "BOOLEAN", "bOn", "0", ""},
                          {"Mode", "ENUM", "Mode", "0", "a,b,c"},
                          {"Count", "INTEGER", "Count", "0", ""},
                          {"Speed", "FLOAT", "Speed", "0", ""},
                          {"Tint", "COLOUR", "Tint", "0", ""}});
    ASSERT_TRUE(ui::user::Click(ui::GetDlgItem(page, 7745)));
    EXPECT_EQ(Value(0).AsInt(), 1);
    ASSERT_TRUE(ui::user::Click(ui::GetDlgItem(page, 7745)));
    EXPECT_EQ(Value(0).AsInt(), 0);
    ASSERT_TRUE(ui::user::Pick(ui::GetDlgItem(page, 7749), 2));
    EXPECT_EQ(Value(1).AsInt(), 2);
    ASSERT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(page, 7753), -12));
    EXPECT_EQ(Value(2).AsInt(), -12);
    ASSERT_TRUE(ui::user::Type(ui::GetDlgItem(page, 7757 + 4000), "2.5"));
    EXPECT_EQ(Value(3).AsFloat(), 2.5f) << "a value typed into the spinner's edit";
    ASSERT_TRUE(ui::user::PickColor(ui::GetDlgItem(page, 7761), ui::RGB(10, 20, 30)));
    EXPECT_EQ(Value(4).AsInt(), static_cast<std::int32_t>(ui::RGB(10, 20, 30)));
}

TEST_F(PropertyPage, SpinnersKeepTheirTypesLimits) {
    ui::HWND page = Edit({{"Hue", "BYTE", "Hue", "0", ""}, {"Far", "FLOAT", "Far", "0", ""}});
    ASSERT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(page, 7745), 300));
    EXPECT_EQ(Value(0).AsInt(), 255);
    ASSERT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(page, 7745), -4));
    EXPECT_EQ(Value(0).AsInt(), 0);
    ASSERT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(page, 7749), 70000));
    EXPECT_EQ(Value(1).AsFloat(), 65536.0f);
}

}  // namespace
