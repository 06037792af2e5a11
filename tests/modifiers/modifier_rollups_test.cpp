// The rollup pages of the modifiers in the host's command panel: which
// pages, in which state, bound to which modifier, and the mover's lists.

#include "host/scene/Interface.h"
#include "host/ui/CustomControls.h"
#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"
#include "modifiers/UnrealBrushModifier.h"
#include "modifiers/UnrealMoverModifier.h"
#include "modifiers/UnrealPropertiesModifier.h"
#include "tests/modifiers/ModifierLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kBlockActorsBox = 1053;
constexpr int kMaxLightsSpinner = 1092;
constexpr int kCsgSubtractButton = 1029;
constexpr int kPortalBox = 1026;
constexpr int kMirroredBox = 1027;
constexpr int kStayOpenSpinner = 1039;
constexpr int kWorldRtKeySpinner = 1044;
constexpr int kEncroachList = 1106;
constexpr int kInitialStateList = 1107;
constexpr int kBumpList = 1110;

class ModifierRollups : public ::testing::Test {
protected:
    void SetUp() override { ui::InitCustomControls(); }

    // Whatever a test leaves open is closed, so the next starts with an
    // empty panel.
    void TearDown() override {
        if (editing_) End(*editing_);
        EXPECT_TRUE(ip->GetRollupPages().empty());
    }

    void Begin(Animatable& modifier) {
        modifier.BeginEditParams(ip, 0, nullptr);
        editing_ = &modifier;
    }

    void End(Animatable& modifier) {
        modifier.EndEditParams(ip, 0, nullptr);
        editing_ = nullptr;
    }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const RollupPage& page : ip->GetRollupPages())
            titles.push_back(page.title + (page.open ? "" : " (closed)"));
        return titles;
    }

    // The page of that title, rolled open so that it takes input.
    ui::HWND OpenPage(const std::string& title) const {
        for (const RollupPage& page : ip->GetRollupPages()) {
            if (page.title == title) {
                ip->SetRollupPageOpen(page.window, true);
                return page.window;
            }
        }
        ADD_FAILURE() << "no page " << title;
        return nullptr;
    }

    static ui::ISpinnerControl Spinner(ui::HWND page, int id) { return ui::GetISpinner(ui::GetDlgItem(page, id)); }

    static std::vector<std::string> ListItems(ui::HWND page, int id) {
        std::vector<std::string> items;
        const ui::INT_PTR count = ui::SendDlgItemMessage(page, id, ui::CB_GETCOUNT, 0, 0);
        for (ui::INT_PTR i = 0; i < count; ++i) {
            const auto item = static_cast<ui::WPARAM>(i);
            const ui::INT_PTR length = ui::SendDlgItemMessage(page, id, ui::CB_GETLBTEXTLEN, item, 0);
            std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
            ui::SendDlgItemMessage(page, id, ui::CB_GETLBTEXT, item, reinterpret_cast<ui::LPARAM>(buffer.data()));
            items.emplace_back(buffer.data());
        }
        return items;
    }

    static ui::INT_PTR Selection(ui::HWND page, int id) {
        return ui::SendDlgItemMessage(page, id, ui::CB_GETCURSEL, 0, 0);
    }

    static int IntValue(IParamArray& values, int index) {
        int value = -1;
        EXPECT_TRUE(values.GetValue(index, 0, value));
        return value;
    }

    Interface* ip = GetCoreInterface();
    UnrealPropertiesModifier properties;
    UnrealBrushModifier brush;
    UnrealBrushModifier secondBrush;
    UnrealMoverModifier mover;
    UnrealMoverModifier secondMover;

private:
    Animatable* editing_ = nullptr;  // the last one whose editing began
};

TEST_F(ModifierRollups, EachClassAddsItsPagesAfterTheCommonOnesAndEndRemovesThem) {
    const std::vector<std::string> common{"corvatrix", "Advanced (closed)", "Collision (closed)", "Display (closed)"};
    Begin(properties);
    EXPECT_EQ(Titles(), common);
    End(properties);
    EXPECT_TRUE(ip->GetRollupPages().empty());

    Begin(brush);
    std::vector<std::string> brushPages = common;
    brushPages.insert(brushPages.end(), {"Brush CSG Oper.", "Brush Type", "Brush Polygon Flags (closed)"});
    EXPECT_EQ(Titles(), brushPages);
    End(brush);
    EXPECT_TRUE(ip->GetRollupPages().empty());

    Begin(mover);
    std::vector<std::string> moverPages = common;
    moverPages.push_back("Mover Properties");
    EXPECT_EQ(Titles(), moverPages);

    // The banner shows its picture, drawn whole.
    const ui::HWND banner = ip->GetRollupPages().front().window;
    ASSERT_EQ(ui::GetChildWindows(banner).size(), 1u);
    const auto* picture = reinterpret_cast<const ui::Bitmap*>(
        ui::SendMessage(ui::GetChildWindows(banner).front(), ui::STM_GETIMAGE, 0, 0));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Id(), 110);
    EXPECT_TRUE(picture->WellFormed());
}

TEST_F(ModifierRollups, PagesFollowTheModifierBeingEdited) {
    UnrealBrushModifier& first = brush;
    UnrealBrushModifier& second = secondBrush;
    first.SetValue(5021, 0, 1);
    first.SetValue(25, 0, 0);
    second.SetValue(1091, 0, 200);
    Begin(first);
    const std::vector<RollupPage> pages = ip->GetRollupPages();
    const ui::HWND collision = OpenPage("Collision");
    const ui::HWND display = OpenPage("Display");
    const ui::HWND csg = OpenPage("Brush CSG Oper.");
    EXPECT_EQ(ui::IsDlgButtonChecked(collision, kBlockActorsBox), ui::BST_UNCHECKED);
    EXPECT_EQ(ui::IsDlgButtonChecked(csg, kCsgSubtractButton), ui::BST_CHECKED);
    EXPECT_EQ(Spinner(display, kMaxLightsSpinner).GetIVal(), 4);

    // The next modifier edited gets the same pages, showing its values.
    Begin(second);
    ASSERT_EQ(ip->GetRollupPages().size(), pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(ip->GetRollupPages()[i].window, pages[i].window);
    EXPECT_EQ(ui::IsDlgButtonChecked(collision, kBlockActorsBox), ui::BST_CHECKED);
    EXPECT_EQ(ui::IsDlgButtonChecked(csg, kCsgSubtractButton), ui::BST_UNCHECKED);
    EXPECT_EQ(Spinner(display, kMaxLightsSpinner).GetIVal(), 200);

    // Changes go to the modifier shown.
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(collision, kBlockActorsBox)));
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(csg, kCsgSubtractButton)));
    EXPECT_EQ(IntValue(second, 25), 0);
    EXPECT_EQ(second.CsgOperation(), 1);
    EXPECT_EQ(IntValue(first, 25), 0);
    EXPECT_EQ(first.CsgOperation(), 1);
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(csg, 1028)));
    EXPECT_EQ(second.CsgOperation(), 0);
    EXPECT_EQ(first.CsgOperation(), 1);
}

TEST_F(ModifierRollups, PolygonFlagBoxesToggleTheirBits) {
    Begin(brush);
    const ui::HWND flags = OpenPage("Brush Polygon Flags");
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(flags, kPortalBox)));
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(flags, kMirroredBox)));
    EXPECT_EQ(brush.PolyFlags(), 0x0C000000u);
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(flags, kPortalBox)));
    EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(flags, kMirroredBox)));
    EXPECT_EQ(brush.PolyFlags(), 0u);
    EXPECT_EQ(ui::GetChildWindows(flags).size(), 1u + 24u);  // the group box and the boxes
}

TEST_F(ModifierRollups, SpinnersKeepValuesWithinTheirRanges) {
    Begin(mover);
    const ui::HWND display = OpenPage("Display");
    const ui::HWND moverPage = OpenPage("Mover Properties");
    EXPECT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(display, kMaxLightsSpinner), 300));
    EXPECT_EQ(IntValue(mover, 1091), 255);
    EXPECT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(display, kMaxLightsSpinner), -5));
    EXPECT_EQ(IntValue(mover, 1091), 0);

    EXPECT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(moverPage, kStayOpenSpinner), 150.0));
    float stayOpen = 0.0f;
    EXPECT_TRUE(mover.GetValue(2140, 0, stayOpen));
    EXPECT_EQ(stayOpen, 100.0f);
    EXPECT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(moverPage, kWorldRtKeySpinner), 999));
    EXPECT_EQ(IntValue(mover, 2147), 255);
    // The edit linked to a spinner takes typed values within the range too.
    EXPECT_TRUE(ui::user::Type(ui::GetDlgItem(moverPage, 1034), "250"));
    float damage = 0.0f;
    EXPECT_TRUE(mover.GetValue(2138, 0, damage));
    EXPECT_EQ(damage, 100.0f);
}

TEST_F(ModifierRollups, MoverListsShowTheChoicesAndStoreThemWhenThePageCloses) {
    Begin(mover);
    const ui::HWND page = OpenPage("Mover Properties");
    EXPECT_EQ(ListItems(page, kBumpList), (std::vector<std::string>{"PlayerBump", "PawnBump", "AnyBump"}));
    EXPECT_EQ(ListItems(page, kEncroachList),
              (std::vector<std::string>{"StopWhenEncroached", "ReturnWhenEncroached", "CrushWhenEncroached",
                                        "IgnoreWhenEncroached"}));
    EXPECT_EQ(ListItems(page, 1108), (std::vector<std::string>{"MoveByTime", "GlideByTime"}));
    const std::vector<std::string> states = ListItems(page, kInitialStateList);
    ASSERT_EQ(states.size(), 12u);
    EXPECT_EQ(states.front(), "None");
    EXPECT_EQ(states.back(), "StandOpenTimed");
    EXPECT_EQ(Selection(page, kBumpList), 0);
    EXPECT_EQ(Selection(page, kEncroachList), 1);
    EXPECT_EQ(Selection(page, kInitialStateList), 10);

    EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(page, kBumpList), "AnyBump"));
    EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(page, kInitialStateList), "TriggerToggle"));
    // While the page is open the modifier keeps its previous choice.
    const auto moverText = [&] {
        return WrittenText([&](T3dWriter& writer) { mover.MoverModT3DExport(&writer); });
    };
    EXPECT_EQ(moverText(), MapLines(DefaultMoverLines()));
    End(mover);
    EXPECT_EQ(IntValue(mover, 2143), 2);
    std::vector<std::string> lines = WithLine(DefaultMoverLines(), "PlayerBumpEvent", "BT_AnyBump");
    lines = WithLine(lines, "InitialState", "\"TriggerToggle\"");
    EXPECT_EQ(moverText(), MapLines(lines));
}

TEST_F(ModifierRollups, MoverListsStoreIntoTheMoverThePageShows) {
    UnrealMoverModifier& first = mover;
    UnrealMoverModifier& second = secondMover;
    second.SetValue(2141, 0, 3);
    Begin(first);
    const ui::HWND page = OpenPage("Mover Properties");
    EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(page, kBumpList), "PawnBump"));

    // Pointing the page at the second mover keeps the first one's choice and
    // shows the second one's.
    Begin(second);
    EXPECT_EQ(OpenPage("Mover Properties"), page);
    EXPECT_EQ(IntValue(first, 2143), 1);
    EXPECT_EQ(Selection(page, kBumpList), 0);
    EXPECT_EQ(Selection(page, kEncroachList), 3);

    EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(page, kBumpList), "AnyBump"));
    EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(page, kEncroachList), "CrushWhenEncroached"));
    End(second);
    EXPECT_EQ(IntValue(second, 2143), 2);
    EXPECT_EQ(IntValue(second, 2141), 2);
    EXPECT_EQ(IntValue(first, 2143), 1);
    EXPECT_EQ(IntValue(first, 2141), 1);
}

}  // namespace
