#include "host/ui/Bitmap.h"
#include "host/ui/Dialog.h"
#include "host/ui/Window.h"

#include <gtest/gtest.h>

#include <string>

using namespace ui;

namespace {

struct ListKind {
    const char* className;
    unsigned add, reset, setSelection, getSelection, getText, getTextLength, getCount;
};

LPARAM Text(const char* text) { return reinterpret_cast<LPARAM>(text); }

}  // namespace

TEST(ListControls, ComboBoxAndListBoxKeepItemsAndSelection) {
    const ListKind kinds[] = {
        {WC_COMBOBOX, CB_ADDSTRING, CB_RESETCONTENT, CB_SETCURSEL, CB_GETCURSEL, CB_GETLBTEXT, CB_GETLBTEXTLEN,
         CB_GETCOUNT},
        {WC_LISTBOX, LB_ADDSTRING, LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL, LB_GETTEXT, LB_GETTEXTLEN,
         LB_GETCOUNT},
    };
    HWND top = CreateWindow(WC_DIALOG, "", WS_VISIBLE, 0, 0, 100, 100, nullptr, 0);
    for (const ListKind& kind : kinds) {
        SCOPED_TRACE(kind.className);
        HWND list = CreateWindow(kind.className, "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, 1);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(SendMessage(list, kind.getSelection, 0, 0), -1) << "a new list has no selection";
        EXPECT_EQ(SendMessage(list, kind.add, 0, Text("one")), 0);
        EXPECT_EQ(SendMessage(list, kind.add, 0, Text("twenty")), 1);
        EXPECT_EQ(SendMessage(list, kind.getCount, 0, 0), 2);
        EXPECT_EQ(SendMessage(list, kind.getTextLength, 1, 0), 6);
        EXPECT_EQ(SendMessage(list, kind.getTextLength, 2, 0), -1);

        char buffer[16] = "xxxxxxxxxxxxxxx";
        EXPECT_EQ(SendMessage(list, kind.getText, 0, reinterpret_cast<LPARAM>(buffer)), 3);
        EXPECT_STREQ(buffer, "one");
        EXPECT_EQ(SendMessage(list, kind.getText, 5, reinterpret_cast<LPARAM>(buffer)), -1);

        EXPECT_EQ(SendMessage(list, kind.setSelection, 1, 0), 1);
        EXPECT_EQ(SendMessage(list, kind.getSelection, 0, 0), 1);
        EXPECT_EQ(SendMessage(list, kind.setSelection, 2, 0), -1) << "out of range";
        EXPECT_EQ(SendMessage(list, kind.getSelection, 0, 0), -1) << "an index out of range clears the selection";
        SendMessage(list, kind.setSelection, 0, 0);
        EXPECT_EQ(SendMessage(list, kind.setSelection, static_cast<WPARAM>(-1), 0), -1);
        EXPECT_EQ(SendMessage(list, kind.getSelection, 0, 0), -1);

        SendMessage(list, kind.setSelection, 0, 0);
        SendMessage(list, kind.reset, 0, 0);
        EXPECT_EQ(SendMessage(list, kind.getCount, 0, 0), 0);
        EXPECT_EQ(SendMessage(list, kind.getSelection, 0, 0), -1);
        DestroyWindow(list);
    }
    DestroyWindow(top);
}

TEST(ButtonAndStaticControls, CheckStateAndPicture) {
    HWND top = CreateWindow(WC_DIALOG, "", WS_VISIBLE, 0, 0, 100, 100, nullptr, 0);
    CreateWindow(WC_BUTTON, "Check", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 10, 10, top, 5);
    HWND picture = CreateWindow(WC_STATIC, "", WS_CHILD | SS_BITMAP, 0, 0, 10, 10, top, 6);

    EXPECT_EQ(IsDlgButtonChecked(top, 5), BST_UNCHECKED);
    EXPECT_TRUE(CheckDlgButton(top, 5, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(top, 5), BST_CHECKED);
    EXPECT_EQ(SendDlgItemMessage(top, 5, BM_GETCHECK, 0, 0), BST_CHECKED);
    CheckDlgButton(top, 5, BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(top, 5), BST_UNCHECKED);
    EXPECT_FALSE(CheckDlgButton(top, 99, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(top, 99), BST_UNCHECKED);

    const Bitmap first(1, {{'a', RGB(1, 2, 3)}}, {"a"});
    const Bitmap second(2, {{'a', RGB(1, 2, 3)}}, {"a"});
    EXPECT_EQ(SendMessage(picture, STM_GETIMAGE, 0, 0), 0);
    EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, 0, reinterpret_cast<LPARAM>(&first)), 0);
    EXPECT_EQ(SendMessage(picture, STM_SETIMAGE, 0, reinterpret_cast<LPARAM>(&second)),
              reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(SendMessage(picture, STM_GETIMAGE, 0, 0), reinterpret_cast<LPARAM>(&second));
    DestroyWindow(top);
}
