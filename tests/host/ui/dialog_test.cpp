#include "host/ui/Bitmap.h"
#include "host/ui/Dialog.h"
#include "host/ui/Driver.h"
#include "host/ui/MainWindow.h"
#include "host/ui/UserInput.h"
#include "tests/host/ui/RecordingProc.h"
#include "tests/host/ui/TestDialog.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ui;

namespace {

constexpr LPARAM kParam = 0x1234;

// Ends the dialog with 7 on the push button and with 5 on WM_CLOSE.
INT_PTR EndingHandler(HWND dialog, unsigned message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == test_dialog::kPush) return EndDialog(dialog, 7);
    if (message == WM_CLOSE) return EndDialog(dialog, 5);
    return 0;
}

INT_PTR RunTestDialog(HWND parent = nullptr) {
    return DialogBoxParam(test_dialog::Template(), parent, RecordingProc::Proc, kParam);
}

}  // namespace

TEST(ModalDialog, InitialisesThenLetsTheDriverActAndReturnsTheEndValue) {
    RecordingProc recorder(EndingHandler);
    HWND owner = GetMainWindow();
    HWND seenDialog = nullptr;
    int seenTemplate = 0;
    CallbackDriver driver([&](HWND dialog, int templateId) {
        seenDialog = dialog;
        seenTemplate = templateId;
        EXPECT_EQ(GetParent(dialog), owner);
        EXPECT_EQ(GetActiveWindow(), dialog);
        EXPECT_EQ(GetWindowText(dialog), "Test");
        EXPECT_EQ(GetChildWindows(dialog).size(), test_dialog::Template().controls.size());
        EXPECT_EQ(RecordingProc::Of(WM_INITDIALOG).size(), 1u) << "initialised before the driver acts";
        EXPECT_TRUE(user::Click(GetDlgItem(dialog, test_dialog::kPush)));
        EXPECT_TRUE(IsDialogEnded(dialog));
        EXPECT_TRUE(IsWindow(dialog)) << "the window lives until the run returns";
    });
    ScopedDialogDriver scope(driver);

    EXPECT_EQ(RunTestDialog(owner), 7);
    EXPECT_EQ(seenTemplate, test_dialog::kTemplateId);
    EXPECT_FALSE(IsWindow(seenDialog));
    EXPECT_EQ(GetActiveWindow(), owner);

    const auto init = RecordingProc::Of(WM_INITDIALOG);
    ASSERT_EQ(init.size(), 1u);
    EXPECT_EQ(init[0].lParam, kParam);
    EXPECT_EQ(RecordingProc::Of(WM_DESTROY).size(), 1u);
    EXPECT_TRUE(RecordingProc::Of(WM_CLOSE).empty()) << "an ended dialog is not closed again";
}

TEST(ModalDialog, EveryRunEndsWhateverTheDriverDoes) {
    {
        SCOPED_TRACE("no driver installed: the dialog is closed");
        RecordingProc recorder(EndingHandler);
        EXPECT_EQ(RunTestDialog(), 5);
        EXPECT_EQ(RecordingProc::Of(WM_CLOSE).size(), 1u);
    }
    {
        SCOPED_TRACE("a driver that does nothing");
        RecordingProc recorder(EndingHandler);
        CallbackDriver idle([](HWND, int) {});
        ScopedDialogDriver scope(idle);
        EXPECT_EQ(RunTestDialog(), 5);
    }
    {
        SCOPED_TRACE("a procedure that ignores WM_CLOSE");
        RecordingProc recorder;
        EXPECT_EQ(RunTestDialog(), IDCANCEL);
    }
    {
        SCOPED_TRACE("EndDialog while initialising: the driver never sees the dialog");
        RecordingProc recorder([](HWND dialog, unsigned message, WPARAM, LPARAM) -> INT_PTR {
            return message == WM_INITDIALOG && EndDialog(dialog, 3);
        });
        bool driverCalled = false;
        CallbackDriver driver([&](HWND, int) { driverCalled = true; });
        ScopedDialogDriver scope(driver);
        EXPECT_EQ(RunTestDialog(), 3);
        EXPECT_FALSE(driverCalled);
    }
    {
        SCOPED_TRACE("the first EndDialog stands");
        RecordingProc recorder([](HWND dialog, unsigned message, WPARAM, LPARAM) -> INT_PTR {
            if (message != WM_INITDIALOG) return 0;
            EXPECT_TRUE(EndDialog(dialog, 8));
            EXPECT_FALSE(EndDialog(dialog, 9));
            return 1;
        });
        EXPECT_EQ(RunTestDialog(), 8);
    }
    {
        SCOPED_TRACE("destroyed without ending");
        RecordingProc recorder;
        CallbackDriver destroyer([](HWND dialog, int) { DestroyWindow(dialog); });
        ScopedDialogDriver scope(destroyer);
        EXPECT_EQ(RunTestDialog(), -1);
        EXPECT_EQ(RecordingProc::Of(WM_DESTROY).size(), 1u);
    }
    {
        SCOPED_TRACE("a template naming an unknown class is never run");
        RecordingProc recorder;
        static const DialogTemplate broken{9, "Broken", 10, 10, {DialogControl{1, "Unknown", "", WS_VISIBLE}}};
        EXPECT_EQ(DialogBoxParam(broken, nullptr, RecordingProc::Proc, 0), -1);
        EXPECT_EQ(CreateDialogParam(broken, nullptr, RecordingProc::Proc, 0), nullptr);
        EXPECT_TRUE(RecordingProc::Received().empty());
    }
    HWND modeless = CreateWindow(WC_DIALOG, "", 0, 0, 0, 1, 1, nullptr, 0);
    EXPECT_FALSE(EndDialog(modeless, 1)) << "only a modal run can be ended";
    DestroyWindow(modeless);
}

TEST(DialogDrivers, ScopedDriversNestAndReachNestedDialogs) {
    RecordingProc recorder(EndingHandler);
    std::vector<int> calls;
    CallbackDriver outer([&](HWND, int) { calls.push_back(1); });
    CallbackDriver inner([&](HWND dialog, int) {
        calls.push_back(2);
        user::Click(GetDlgItem(dialog, test_dialog::kPush));
    });
    {
        ScopedDialogDriver outerScope(outer);
        {
            ScopedDialogDriver innerScope(inner);
            EXPECT_EQ(&CurrentDialogDriver(), &inner);
            EXPECT_EQ(RunTestDialog(), 7);
        }
        EXPECT_EQ(&CurrentDialogDriver(), &outer);
        EXPECT_EQ(RunTestDialog(), 5);
    }
    EXPECT_EQ(calls, (std::vector<int>{2, 1}));
    EXPECT_NE(&CurrentDialogDriver(), &outer);

    // A dialog run from inside a running dialog reaches the driver too, with its own template id.
    static const DialogTemplate second{77, "Second", 50, 50, {}};
    std::vector<int> templates;
    CallbackDriver nesting([&](HWND dialog, int templateId) {
        templates.push_back(templateId);
        if (templateId == test_dialog::kTemplateId) {
            EXPECT_EQ(DialogBoxParam(second, dialog, RecordingProc::Proc, 0), 5);
            EXPECT_EQ(GetActiveWindow(), dialog);
        }
    });
    ScopedDialogDriver scope(nesting);
    EXPECT_EQ(RunTestDialog(), 5);
    EXPECT_EQ(templates, (std::vector<int>{test_dialog::kTemplateId, 77}));
}

TEST(DialogItems, TextsChecksAndPicturesByControlId) {
    static const Bitmap picture(5, {{'x', RGB(0, 0, 0)}}, {"x"});
    static const DialogTemplate withPicture{
        1, "P", 100, 50, {EditText(10, 0, 0, 50, 12), BitmapControl(picture, 0, 20, 20, 20)}};
    RecordingProc recorder;
    HWND dialog = CreateDialogParam(withPicture, nullptr, RecordingProc::Proc, 0);
    ASSERT_NE(dialog, nullptr);

    EXPECT_TRUE(SetDlgItemText(dialog, 10, "Castle of Doom"));
    EXPECT_EQ(GetDlgItemText(dialog, 10), "Castle of Doom");
    EXPECT_EQ(GetDlgItemText(dialog, 10, 6), "Castle");
    EXPECT_FALSE(SetDlgItemText(dialog, 11, "nobody"));
    EXPECT_EQ(GetDlgItemText(dialog, 11), "");

    HWND pictureControl = GetChildWindows(dialog).back();
    EXPECT_EQ(SendMessage(pictureControl, STM_GETIMAGE, 0, 0), reinterpret_cast<LPARAM>(&picture));
    EXPECT_EQ(GetWindowStyle(pictureControl) & SS_BITMAP, SS_BITMAP);

    // Template sizes are dialog units: 100 by 50 units are 150 by 81 pixels.
    const RECT rect = GetWindowRect(dialog);
    EXPECT_EQ(rect.right - rect.left, 150);
    EXPECT_EQ(rect.bottom - rect.top, 81);
    DestroyWindow(dialog);
}
