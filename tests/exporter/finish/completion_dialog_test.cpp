#include "exporter/CompletionDialog.h"

#include "exporter/CompletionDialogResource.h"
#include "host/ui/Dialog.h"
#include "host/ui/Driver.h"
#include "host/ui/MainWindow.h"
#include "host/ui/UserInput.h"
#include "host/ui/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace completion_dialog;
using ui::HWND;

namespace {

const std::string kExecCommand = "EXEC \"C:\\my maps\\Level.exec\"";

// Runs the dialog with the user's actions; false when no dialog came up.
bool RunDialog(const std::string& command, const std::function<void(HWND)>& act) {
    bool shown = false;
    ui::CallbackDriver driver([&](HWND dialog, int templateId) {
        EXPECT_EQ(templateId, kTemplateId);
        shown = true;
        act(dialog);
    });
    ui::ScopedDialogDriver scope(driver);
    ShowCompletionDialog(command, ui::GetMainWindow());
    return shown;
}

std::vector<std::string> StaticTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND child : ui::GetChildWindows(dialog))
        if (ui::GetClassName(child) == ui::WC_STATIC && !ui::GetWindowText(child).empty())
            texts.push_back(ui::GetWindowText(child));
    return texts;
}

std::vector<int> PictureIds(HWND dialog) {
    std::vector<int> ids;
    for (HWND child : ui::GetChildWindows(dialog)) {
        const auto* picture =
            reinterpret_cast<const ui::Bitmap*>(ui::SendMessage(child, ui::STM_GETIMAGE, 0, 0));
        if (ui::GetClassName(child) == ui::WC_STATIC && picture) ids.push_back(picture->Id());
    }
    return ids;
}

}  // namespace

TEST(CompletionDialog, ShowsTheCommandReadOnlyBelowTheMessage) {
    EXPECT_TRUE(RunDialog(kExecCommand, [](HWND dialog) {
        EXPECT_EQ(ui::GetWindowText(dialog), "corvatrix - Export complete!");
        EXPECT_EQ(ui::GetDlgItemText(dialog, kCommand), kExecCommand);
        EXPECT_FALSE(ui::user::Type(ui::GetDlgItem(dialog, kCommand), "something else"));
        EXPECT_EQ(ui::GetDlgItemText(dialog, kCommand), kExecCommand);
        EXPECT_EQ(StaticTexts(dialog),
                  (std::vector<std::string>{"The EXEC console command has been copied to the clipboard...",
                                            "Step 1:", "Step 2:"}));
        EXPECT_EQ(PictureIds(dialog), (std::vector<int>{3001, 3002}));
        EXPECT_EQ(ui::GetWindowText(ui::GetDlgItem(dialog, kOk)), "&Ok");
    }));
    EXPECT_TRUE(RunDialog("", [](HWND dialog) { EXPECT_EQ(ui::GetDlgItemText(dialog, kCommand), ""); }));
}

TEST(CompletionDialog, OkAndClosingEndIt) {
    EXPECT_TRUE(RunDialog(kExecCommand, [](HWND dialog) {
        EXPECT_FALSE(ui::IsDialogEnded(dialog));
        ui::SendMessage(dialog, ui::WM_COMMAND, static_cast<ui::WPARAM>(kCommand), 0);
        EXPECT_FALSE(ui::IsDialogEnded(dialog)) << "only OK ends it";
        EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(dialog, kOk)));
        EXPECT_TRUE(ui::IsDialogEnded(dialog));
    }));
    EXPECT_TRUE(RunDialog(kExecCommand, [](HWND dialog) {
        EXPECT_TRUE(ui::user::Close(dialog));
        EXPECT_TRUE(ui::IsDialogEnded(dialog));
    }));
}

TEST(CompletionDialog, IsCentredOverItsParent) {
    HWND main = ui::GetMainWindow();
    ui::MoveWindow(main, 100, 100, 800, 600);
    ui::RECT rect{};
    RunDialog(kExecCommand, [&](HWND dialog) { rect = ui::GetWindowRect(dialog); });
    ui::MoveWindow(main, 0, 0, 1280, 1024);
    // The centre is over the parent's to the pixel (an odd size rounds).
    EXPECT_NEAR(rect.left + rect.right, 2 * 500, 1);
    EXPECT_NEAR(rect.top + rect.bottom, 2 * 400, 1);
}

TEST(CompletionDialogResource, TemplateAndPictures) {
    const ui::DialogTemplate& dialog = Template();
    EXPECT_EQ(dialog.id, 3000);
    EXPECT_EQ(dialog.width, 243);
    EXPECT_EQ(dialog.height, 97);
    ASSERT_FALSE(dialog.controls.empty());
    EXPECT_EQ(dialog.controls.front().className, ui::WC_STATIC) << "the message comes first";

    for (const ui::DialogControl& control : dialog.controls) {
        if (control.id == kCommand) {
            EXPECT_EQ(control.className, ui::WC_EDIT);
            EXPECT_NE(control.style & ui::ES_READONLY, 0u);
        } else if (control.id == kOk) {
            EXPECT_NE(control.style & ui::BS_DEFPUSHBUTTON, 0u) << "OK is the default button";
        }
    }
    for (const ui::Bitmap* picture : {&Step1Picture(), &Step2Picture()}) {
        EXPECT_TRUE(picture->WellFormed()) << picture->Id();
        EXPECT_GT(picture->Width(), 0);
    }
}
