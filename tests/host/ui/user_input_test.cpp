#include "host/ui/Dialog.h"
#include "host/ui/Driver.h"
#include "host/ui/UserInput.h"
#include "tests/host/ui/RecordingProc.h"
#include "tests/host/ui/TestDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ui;
using namespace test_dialog;

namespace {

// What the dialog procedure saw when a command arrived.
struct Command {
    int id;
    unsigned code;
    HWND control;
    unsigned checkState;
    std::string text;
    INT_PTR selection;
};

std::vector<Command>& Commands() {
    static std::vector<Command> commands;
    return commands;
}

INT_PTR RecordCommand(HWND, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return 0;
    HWND control = reinterpret_cast<HWND>(lParam);
    const bool combo = GetClassName(control) == WC_COMBOBOX;
    Commands().push_back({LOWORD(wParam), HIWORD(wParam), control,
                          static_cast<unsigned>(SendMessage(control, BM_GETCHECK, 0, 0)), GetWindowText(control),
                          SendMessage(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0)});
    return 1;
}

class UserInput : public ::testing::Test {
protected:
    void SetUp() override {
        Commands().clear();
        dialog = CreateDialogParam(Template(), nullptr, RecordingProc::Proc, 0);
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override { DestroyWindow(dialog); }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    RecordingProc recorder{RecordCommand};
    HWND dialog = nullptr;
};

}  // namespace

TEST_F(UserInput, ClickChangesTheButtonFirstThenNotifies) {
    ASSERT_TRUE(user::Click(Item(kCheck)));
    ASSERT_TRUE(user::Click(Item(kCheck)));
    ASSERT_EQ(Commands().size(), 2u);
    EXPECT_EQ(Commands()[0].id, kCheck);
    EXPECT_EQ(Commands()[0].code, BN_CLICKED);
    EXPECT_EQ(Commands()[0].control, Item(kCheck));
    EXPECT_EQ(Commands()[0].checkState, BST_CHECKED) << "the procedure sees the new state";
    EXPECT_EQ(Commands()[1].checkState, BST_UNCHECKED);

    user::Click(Item(kTriState));
    user::Click(Item(kTriState));
    EXPECT_EQ(IsDlgButtonChecked(dialog, kTriState), BST_INDETERMINATE);
    user::Click(Item(kTriState));
    EXPECT_EQ(IsDlgButtonChecked(dialog, kTriState), BST_UNCHECKED);

    CheckDlgButton(dialog, kRadioOther, BST_CHECKED);
    user::Click(Item(kRadioA));
    user::Click(Item(kRadioB));
    EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioA), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioB), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, kRadioOther), BST_CHECKED) << "another group is left alone";

    Commands().clear();
    EXPECT_TRUE(user::Click(Item(kPush)));
    EXPECT_EQ(IsDlgButtonChecked(dialog, kPush), BST_UNCHECKED);
    EXPECT_FALSE(user::Click(Item(kDisabledPush)));
    EXPECT_FALSE(user::Click(Item(kGroupBox)));
    EXPECT_FALSE(user::Click(Item(kEdit)));
    EXPECT_FALSE(user::Click(nullptr));
    ASSERT_EQ(Commands().size(), 1u) << "refused clicks send nothing";
    EXPECT_EQ(Commands()[0].id, kPush);

    EnableWindow(dialog, false);
    EXPECT_FALSE(user::Click(Item(kCheck))) << "a disabled dialog takes no input";
}

TEST_F(UserInput, TypingReplacesTheTextThenNotifies) {
    SetDlgItemText(dialog, kEdit, "old");
    ASSERT_TRUE(user::Type(Item(kEdit), "Castle"));
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].id, kEdit);
    EXPECT_EQ(Commands()[0].code, EN_CHANGE);
    EXPECT_EQ(Commands()[0].text, "Castle");
    EXPECT_EQ(GetDlgItemText(dialog, kEdit), "Castle");

    EXPECT_FALSE(user::Type(Item(kReadOnly), "x"));
    EXPECT_TRUE(user::Type(Item(kDigits), "0815"));
    EXPECT_FALSE(user::Type(Item(kDigits), "-5"));
    EXPECT_EQ(GetDlgItemText(dialog, kDigits), "0815");
    EXPECT_FALSE(user::Type(Item(kCheck), "x"));

    EnableWindow(Item(kEdit), false);
    EXPECT_FALSE(user::Type(Item(kEdit), "Other"));
    EnableWindow(Item(kEdit), true);
    ShowWindow(Item(kEdit), SW_HIDE);
    EXPECT_FALSE(user::Type(Item(kEdit), "Other"));
    EXPECT_EQ(GetDlgItemText(dialog, kEdit), "Castle");
    EXPECT_EQ(Commands().size(), 2u);
}

TEST_F(UserInput, PickingSelectsTheEntryThenNotifies) {
    for (const char* item : {"1", "2", "4"}) {
        SendDlgItemMessage(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendDlgItemMessage(dialog, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ASSERT_TRUE(user::Pick(Item(kCombo), 2));
    ASSERT_TRUE(user::Pick(Item(kList), "2"));
    ASSERT_EQ(Commands().size(), 2u);
    EXPECT_EQ(Commands()[0].id, kCombo);
    EXPECT_EQ(Commands()[0].code, CBN_SELCHANGE);
    EXPECT_EQ(Commands()[0].selection, 2) << "the procedure sees the new selection";
    EXPECT_EQ(Commands()[1].id, kList);
    EXPECT_EQ(Commands()[1].code, LBN_SELCHANGE);
    EXPECT_EQ(Commands()[1].selection, 1);

    EXPECT_FALSE(user::Pick(Item(kCombo), 3));
    EXPECT_FALSE(user::Pick(Item(kCombo), -1));
    EXPECT_FALSE(user::Pick(Item(kCombo), "8"));
    EXPECT_FALSE(user::Pick(Item(kEdit), 0));
    EXPECT_EQ(SendDlgItemMessage(dialog, kCombo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(Commands().size(), 2u);
}

TEST(UserInputOnModalDialogs, AnEndedDialogTakesNoInputAndCloseSendsClose) {
    RecordingProc recorder([](HWND dialog, unsigned message, WPARAM wParam, LPARAM) -> INT_PTR {
        return message == WM_COMMAND && LOWORD(wParam) == kPush && EndDialog(dialog, 1);
    });
    CallbackDriver driver([](HWND dialog, int) {
        EXPECT_TRUE(user::Click(GetDlgItem(dialog, kPush)));
        EXPECT_FALSE(user::Click(GetDlgItem(dialog, kCheck)));
        EXPECT_FALSE(user::Close(dialog));
    });
    ScopedDialogDriver scope(driver);
    EXPECT_EQ(DialogBoxParam(Template(), nullptr, RecordingProc::Proc, 0), 1);
    EXPECT_EQ(RecordingProc::Of(WM_COMMAND).size(), 1u);
    EXPECT_TRUE(RecordingProc::Of(WM_CLOSE).empty());

    RecordingProc closing([](HWND dialog, unsigned message, WPARAM, LPARAM) -> INT_PTR {
        return message == WM_CLOSE && EndDialog(dialog, 4);
    });
    CallbackDriver closer([](HWND dialog, int) { EXPECT_TRUE(user::Close(dialog)); });
    ScopedDialogDriver closeScope(closer);
    EXPECT_EQ(DialogBoxParam(Template(), nullptr, RecordingProc::Proc, 0), 4);
    EXPECT_EQ(RecordingProc::Of(WM_CLOSE).size(), 1u) << "closed by the driver, not again by the run";
}
