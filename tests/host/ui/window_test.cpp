#include "host/ui/Dialog.h"
#include "host/ui/Window.h"
#include "tests/host/ui/RecordingProc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace ui;

namespace {

constexpr unsigned kChild = WS_CHILD | WS_VISIBLE;

HWND TopLevel() { return CreateWindow(WC_DIALOG, "Top", WS_VISIBLE, 100, 50, 300, 200, nullptr, 0); }

}  // namespace

TEST(WindowTree, ChildrenAreFoundByIdAndKnowTheirParent) {
    HWND top = TopLevel();
    ASSERT_NE(top, nullptr);
    HWND first = CreateWindow("BUTTON", "First", kChild | BS_PUSHBUTTON, 0, 0, 10, 10, top, 7);
    HWND second = CreateWindow("edit", "", kChild, 0, 20, 10, 10, top, 8);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);

    EXPECT_EQ(GetDlgItem(top, 7), first);
    EXPECT_EQ(GetDlgItem(top, 8), second);
    EXPECT_EQ(GetDlgItem(top, 9), nullptr);
    EXPECT_EQ(GetDlgCtrlID(second), 8);
    EXPECT_EQ(GetParent(first), top);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{first, second}));
    // Class names ignore case and come back in their registered spelling.
    EXPECT_EQ(GetClassName(first), WC_BUTTON);
    EXPECT_EQ(GetClassName(second), WC_EDIT);

    EXPECT_EQ(CreateWindow("NoSuchClass", "", kChild, 0, 0, 1, 1, top, 1), nullptr);
    EXPECT_EQ(CreateWindow(WC_BUTTON, "", kChild, 0, 0, 1, 1, nullptr, 1), nullptr) << "a child needs a parent";

    EXPECT_TRUE(RegisterWindowClass("TestSpinner"));
    EXPECT_FALSE(RegisterWindowClass("testspinner"));
    EXPECT_NE(CreateWindow("TestSpinner", "", kChild, 0, 0, 1, 1, top, 3), nullptr);

    // A top-level window given a parent is owned, not a child of it.
    HWND owned = CreateWindow(WC_DIALOG, "", 0, 0, 0, 1, 1, top, 0);
    EXPECT_EQ(GetParent(owned), top);
    EXPECT_EQ(GetChildWindows(top).size(), 3u);
    DestroyWindow(owned);
    DestroyWindow(top);
}

TEST(WindowTree, DestroyReachesTheWindowWhileItsChildrenLiveThenTheChildren) {
    static const DialogTemplate outerTemplate{1, "Outer", 100, 100, {DropDownList(20, 0, 0, 50, 50)}};
    static const DialogTemplate pageTemplate{2, "Page", 50, 50, {}};
    static HWND outer = nullptr;
    static HWND page = nullptr;
    static int selectionSeenAtDestroy = -2;
    static std::vector<std::string> order;
    order.clear();

    RecordingProc recorder([](HWND window, unsigned message, WPARAM, LPARAM) -> INT_PTR {
        if (message != WM_DESTROY) return 0;
        order.push_back(window == outer ? "outer" : "page");
        if (window == outer) {
            selectionSeenAtDestroy = static_cast<int>(SendDlgItemMessage(outer, 20, CB_GETCURSEL, 0, 0));
            EXPECT_TRUE(IsWindow(page)) << "children are destroyed after their parent's WM_DESTROY";
        }
        return 1;
    });
    outer = CreateDialogParam(outerTemplate, nullptr, RecordingProc::Proc, 0);
    ASSERT_NE(outer, nullptr);
    page = CreateDialogParam(pageTemplate, outer, RecordingProc::Proc, 0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(GetParent(page), outer);
    HWND list = GetDlgItem(outer, 20);
    SendMessage(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
    SendMessage(list, CB_SETCURSEL, 0, 0);

    auto state = std::make_shared<int>(5);
    std::weak_ptr<int> watch = state;
    SetControlState(list, std::move(state));
    EXPECT_EQ(*static_cast<int*>(GetControlState(list)), 5);

    EXPECT_TRUE(DestroyWindow(outer));
    EXPECT_EQ(order, (std::vector<std::string>{"outer", "page"}));
    EXPECT_EQ(selectionSeenAtDestroy, 0);
    EXPECT_FALSE(IsWindow(outer));
    EXPECT_FALSE(IsWindow(page));
    EXPECT_FALSE(IsWindow(list));
    EXPECT_TRUE(watch.expired()) << "a control's state goes with it";

    // A stale handle stays invalid: nothing new answers to it.
    HWND fresh = TopLevel();
    EXPECT_NE(fresh, outer);
    EXPECT_FALSE(DestroyWindow(outer));
    EXPECT_FALSE(SetWindowText(list, "x"));
    EXPECT_EQ(GetWindowText(list), "");
    DestroyWindow(fresh);
}

TEST(WindowState, TextEnabledVisibleRectAndUserData) {
    HWND top = TopLevel();
    HWND child = CreateWindow(WC_STATIC, "Hello world", kChild | WS_DISABLED, 10, 20, 30, 40, top, 1);

    EXPECT_EQ(GetWindowText(child), "Hello world");
    EXPECT_EQ(GetWindowText(child, 5), "Hello");
    EXPECT_TRUE(SetWindowText(child, "Bye"));
    EXPECT_EQ(GetWindowText(child, 5), "Bye");

    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(EnableWindow(child, true)) << "reports that it was disabled";
    EXPECT_TRUE(IsWindowEnabled(child));
    EXPECT_FALSE(EnableWindow(child, false));
    EXPECT_FALSE(IsWindowEnabled(child));

    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(top, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(child)) << "a hidden parent hides its children";
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));

    const RECT screen = GetWindowRect(child);
    EXPECT_EQ(screen.left, 110);
    EXPECT_EQ(screen.top, 70);
    EXPECT_EQ(screen.right, 140);
    EXPECT_EQ(screen.bottom, 110);
    MoveWindow(top, 0, 0, 300, 200);
    EXPECT_EQ(GetWindowRect(child).left, 10);

    EXPECT_EQ(GetWindowUserData(child), 0);
    int object = 0;
    SetWindowUserData(child, reinterpret_cast<LPARAM>(&object));
    EXPECT_EQ(reinterpret_cast<int*>(GetWindowUserData(child)), &object);
    DestroyWindow(top);
}
