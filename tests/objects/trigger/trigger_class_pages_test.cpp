// The class pages of the trigger property sets, edited through the host's
// parameter maps: controls made from the rows, limits, the radio group and
// the text handler.

#include "host/scene/Interface.h"
#include "host/ui/CustomControls.h"
#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"
#include "objects/trigger/TriggerClassPage.h"
#include "tests/objects/trigger/TriggerStorage.h"

#include <string>

namespace {

namespace tt = trigger_tables;

class TriggerClassPages : public TriggerStorage {
protected:
    void SetUp() override { ui::InitCustomControls(); }
    void TearDown() override {
        Close();
        EXPECT_TRUE(GetCoreInterface()->GetRollupPages().empty());
    }

    ui::HWND Open(TriggerPropertySet& set) {
        map_ = CreateTriggerClassPage(set, GetCoreInterface());
        return map_ ? map_->GetHWnd() : nullptr;
    }
    void Close() {
        DestroyParamMap(map_);
        map_ = nullptr;
    }
    ui::HWND Item(int id) const { return ui::GetDlgItem(map_->GetHWnd(), id); }

private:
    IParamMap* map_ = nullptr;
};

TEST_F(TriggerClassPages, EachPageHoldsTheControlsOfItsRowsAndBindsAllButTheTexts) {
    for (const tt::SetTable& table : tt::kSets) {
        TriggerPropertySet set(table);
        set.Bind(floats, ints, text1, text2);
        ASSERT_NE(Open(set), nullptr) << table.dialogId;
        EXPECT_EQ(GetCoreInterface()->GetRollupPages().front().title, "Properties");
        EXPECT_EQ(set.Dialog().id, table.dialogId);
        int bound = 0;
        for (const tt::Row& row : table.rows) {
            switch (row.kind) {
            case tt::RowKind::CheckBox: EXPECT_EQ(ui::GetWindowText(Item(row.controlId)), row.label); break;
            case tt::RowKind::Text: EXPECT_TRUE(ui::GetICustEdit(Item(row.controlId))) << row.label; break;
            case tt::RowKind::TriggerType:
                for (int value = 0; value < tt::kTriggerTypeCount; ++value)
                    EXPECT_EQ(ui::GetWindowText(Item(row.controlId + value)), tt::kTriggerTypes[value].radioText);
                break;
            default:
                EXPECT_TRUE(ui::GetICustEdit(Item(row.controlId)) && ui::GetISpinner(Item(row.spinnerId))) << row.label;
            }
            bound += row.kind != tt::RowKind::Text;
        }
        // RedirectionTrigger and UseTrigger bind nothing: an empty table.
        EXPECT_EQ(set.DescriptorCount(), bound) << table.dialogId;
        Close();
    }
}

TEST_F(TriggerClassPages, ControlsShowAndSetTheSlotsWithinTheirLimits) {
    Set("LineOfSightTrigger").Reset();
    Open(Set("LineOfSightTrigger"));
    EXPECT_EQ(ui::GetISpinner(Item(1012)).GetIVal(), 15);
    ASSERT_TRUE(ui::user::SetSpinnerValue(Item(1012), 400));
    EXPECT_EQ(ints[1], 360);
    ASSERT_TRUE(ui::user::SetSpinnerValue(Item(1015), 70000));
    EXPECT_EQ(floats[0], 65384.0f);
    Close();

    Set("Trigger").Reset();
    ints[2] = 3;
    Open(Set("Trigger"));
    EXPECT_EQ(ui::SendMessage(Item(1021), ui::BM_GETCHECK, 0, 0), ui::BST_CHECKED);
    ASSERT_TRUE(ui::user::Click(Item(1022)));
    EXPECT_EQ(ints[2], 4);
    ASSERT_TRUE(ui::user::Click(Item(1010)));
    EXPECT_EQ(ints[0], 0);
}

TEST_F(TriggerClassPages, TextEditsShowTheTextsAndGiveBackAtMost127Characters) {
    Set("Counter").SetText(tt::kText1, "Done");
    Set("Counter").SetText(tt::kText2, "One more");
    Open(Set("Counter"));
    EXPECT_EQ(ui::GetWindowText(Item(1024)), "Done");
    EXPECT_EQ(ui::GetWindowText(Item(1025)), "One more");
    ASSERT_TRUE(ui::user::Type(Item(1024), std::string(200, 'a')));
    EXPECT_EQ(std::string(text1), std::string(127, 'a'));
    // Text left without Enter is taken when the page closes.
    ui::GetICustEdit(Item(1025)).SetText("Two more");
    Close();
    EXPECT_STREQ(text2, "Two more");

    // On the TeamTrigger page 1025 is a check box: text 2 stays.
    Open(Set("TeamTrigger"));
    ASSERT_TRUE(ui::user::Type(Item(1024), "Team up"));
    Close();
    EXPECT_STREQ(text1, "Team up");
    EXPECT_STREQ(text2, "Two more");
}

}  // namespace
