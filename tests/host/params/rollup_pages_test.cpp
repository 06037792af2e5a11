#include "host/scene/Interface.h"
#include "host/ui/Dialog.h"
#include "host/ui/DialogTemplate.h"
#include "host/ui/UserInput.h"
#include "tests/host/ui/RecordingProc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ui;

namespace {

constexpr int kCheck = 100;

DialogTemplate PageTemplate(int id) {
    return DialogTemplate{id, "Page", 108, 40, {AutoCheckBox(kCheck, "On", 5, 5, 60, 10)}};
}

std::vector<std::string> Titles(const std::vector<RollupPage>& pages) {
    std::vector<std::string> titles;
    for (const RollupPage& page : pages) titles.push_back(page.title);
    return titles;
}

// The host interface is host-wide: every test deletes the pages it added.
class RollupPages : public ::testing::Test {
protected:
    void TearDown() override {
        for (const RollupPage& page : host->GetRollupPages()) host->DeleteRollupPage(page.window);
    }
    Interface* host = GetCoreInterface();
    RecordingProc recorder;
};

}  // namespace

TEST_F(RollupPages, PagesAreListedInOrderAndCanBeRolledUpAndDeleted) {
    HWND first = host->AddRollupPage(PageTemplate(1), RecordingProc::Proc, "First", 11);
    HWND closed = host->AddRollupPage(PageTemplate(2), RecordingProc::Proc, "Closed", 22, APPENDROLL_CLOSED);
    HWND last = host->AddRollupPage(PageTemplate(3), RecordingProc::Proc, "Last", 33);
    ASSERT_TRUE(first && closed && last);

    const std::vector<ReceivedMessage> inits = RecordingProc::Of(WM_INITDIALOG);
    ASSERT_EQ(inits.size(), 3u);
    EXPECT_EQ(inits[1].window, closed);
    EXPECT_EQ(inits[1].lParam, 22) << "the page's procedure gets its data";
    EXPECT_EQ(GetParent(first), GetParent(last)) << "all pages live in the command panel";
    EXPECT_TRUE(GetWindowStyle(first) & WS_CHILD);

    const std::vector<RollupPage> pages = host->GetRollupPages();
    EXPECT_EQ(Titles(pages), (std::vector<std::string>{"First", "Closed", "Last"}));
    EXPECT_EQ(pages[1].window, closed);
    EXPECT_TRUE(pages[0].open);
    EXPECT_FALSE(pages[1].open);
    EXPECT_FALSE(host->IsRollupPageOpen(closed));

    EXPECT_TRUE(user::Click(GetDlgItem(first, kCheck)));
    EXPECT_FALSE(user::Click(GetDlgItem(closed, kCheck))) << "a rolled-up page shows no controls";
    EXPECT_TRUE(host->SetRollupPageOpen(closed, true));
    EXPECT_TRUE(host->IsRollupPageOpen(closed));
    EXPECT_TRUE(user::Click(GetDlgItem(closed, kCheck)));
    host->SetRollupPageOpen(first, false);
    EXPECT_FALSE(host->GetRollupPages()[0].open);
    EXPECT_FALSE(user::Click(GetDlgItem(first, kCheck)));

    ASSERT_TRUE(host->DeleteRollupPage(closed));
    const std::vector<ReceivedMessage> destroyed = RecordingProc::Of(WM_DESTROY);
    ASSERT_EQ(destroyed.size(), 1u);
    EXPECT_EQ(destroyed[0].window, closed);
    EXPECT_FALSE(IsWindow(closed));
    EXPECT_EQ(Titles(host->GetRollupPages()), (std::vector<std::string>{"First", "Last"}));
    EXPECT_FALSE(host->DeleteRollupPage(closed)) << "already gone";
    EXPECT_FALSE(host->DeleteRollupPage(GetParent(first))) << "the panel is no page";
    EXPECT_FALSE(host->SetRollupPageOpen(closed, true));

    DestroyWindow(last);
    EXPECT_EQ(Titles(host->GetRollupPages()), (std::vector<std::string>{"First"})) << "a page destroyed elsewhere";
}

TEST_F(RollupPages, CategoriesOrderPagesAndPagesCanBeResized) {
    host->AddRollupPage(PageTemplate(1), RecordingProc::Proc, "Standard");
    host->AddRollupPage(PageTemplate(2), RecordingProc::Proc, "Late", 0, 0, ROLLUP_CAT_STANDARD + 1000);
    host->AddRollupPage(PageTemplate(3), RecordingProc::Proc, "Early", 0, 0, ROLLUP_CAT_STANDARD - 1000);
    host->AddRollupPage(PageTemplate(4), RecordingProc::Proc, "Standard too");
    EXPECT_EQ(Titles(host->GetRollupPages()),
              (std::vector<std::string>{"Early", "Standard", "Standard too", "Late"}));

    HWND second = host->GetRollupPages()[1].window;
    const RECT before = GetWindowRect(second);
    ASSERT_TRUE(host->SetRollupPageHeight(1, 300));
    const RECT after = GetWindowRect(second);
    EXPECT_EQ(after.bottom - after.top, 300);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_FALSE(host->SetRollupPageHeight(4, 300));
    EXPECT_FALSE(host->SetRollupPageHeight(-1, 300));
}

TEST_F(RollupPages, APageThatCannotBeBuiltIsNotAdded) {
    const DialogTemplate broken{9, "Broken", 108, 40, {DialogControl{5, "NoSuchClass", "", WS_CHILD, 0, 0, 1, 1}}};
    EXPECT_EQ(host->AddRollupPage(broken, RecordingProc::Proc, "Broken"), nullptr);
    EXPECT_TRUE(host->GetRollupPages().empty());
    EXPECT_TRUE(RecordingProc::Received().empty());
}
