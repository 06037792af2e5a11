#include "host/scene/ViewportInput.h"
#include "tests/host/scene/ViewportScene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Picks one node as an event, as the trigger helper's pick handler does.
class EventPicker : public PickModeCallback {
public:
    bool HitTest(Interface* ip, ui::HWND hWnd, ViewExp*, IPoint2 m, int) override {
        return ip->PickNode(hWnd, m) != nullptr;
    }
    bool Pick(Interface*, ViewExp* vpt) override {
        picked = vpt->GetClosestHit();
        calls.emplace_back("pick");
        return endOnPick;
    }
    void EnterMode(Interface*) override { calls.emplace_back("enter"); }
    void ExitMode(Interface*) override { calls.emplace_back("exit"); }

    INode* picked = nullptr;
    bool endOnPick = true;
    std::vector<std::string> calls;
};

class PickMode : public ViewportScene {
protected:
    // Before the modes go.
    ~PickMode() override { ip->ClearPickMode(); }

    EventPicker picker;
    EventPicker other;
};

}  // namespace

TEST_F(PickMode, PicksOnlyWhenANodeIsUnderTheMouse) {
    SceneNode* door = AddSquare("Door", Point3(100, 0, 0));  // left edge at pixel x = 400
    ip->SetPickMode(&picker);
    EXPECT_EQ(ip->GetCurPickMode(), &picker);

    EXPECT_FALSE(ui::user::ClickViewport(IPoint2(320, 240))) << "empty space";
    EXPECT_EQ(picker.picked, nullptr);
    EXPECT_EQ(ip->GetCurPickMode(), &picker) << "a miss keeps the mode on";

    EXPECT_FALSE(ui::user::ClickViewport(IPoint2(420, 240))) << "inside the square, far from its edges";
    EXPECT_TRUE(ui::user::ClickViewport(IPoint2(403, 240))) << "3 pixels off its left edge";
    EXPECT_EQ(picker.picked, door);
    EXPECT_EQ(ip->GetCurPickMode(), nullptr) << "Pick said the mode is over";
    EXPECT_EQ(picker.calls, (std::vector<std::string>{"enter", "pick", "exit"}));
    EXPECT_EQ(ip->GetActiveViewport()->HitCount(), 0) << "hits last only through the click";
}

TEST_F(PickMode, UserPickOfANodeReachesTheMode) {
    AddSquare("Near", Point3(-100, 0, 0));
    SceneNode* far = AddSquare("Far", Point3(100, 100, 0));
    picker.endOnPick = false;
    ip->SetPickMode(&picker);

    EXPECT_TRUE(ui::user::PickNode(far));
    EXPECT_EQ(picker.picked, far);
    EXPECT_EQ(ip->GetCurPickMode(), &picker) << "Pick kept the mode on";

    far->SetFrozen(true);
    picker.picked = nullptr;
    EXPECT_FALSE(ui::user::PickNode(far)) << "frozen nodes cannot be picked";
    EXPECT_EQ(picker.picked, nullptr);
}

TEST_F(PickMode, ClicksWithoutAModePickNothingAndANewModeEndsTheOld) {
    SceneNode* door = AddSquare("Door", Point3());
    EXPECT_FALSE(ui::user::PickNode(door));

    ip->SetPickMode(&picker);
    ip->SetPickMode(&other);
    EXPECT_EQ(picker.calls, (std::vector<std::string>{"enter", "exit"}));
    EXPECT_EQ(ip->GetCurPickMode(), &other);
    ip->ClearPickMode();
    EXPECT_EQ(other.calls, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(PickMode, NearestOfOverlappingNodesWins) {
    AddSquare("Wide", Point3(-2, 0, 0));   // left edge at pixel x = 298
    SceneNode* exact = AddSquare("Exact", Point3());  // left edge at pixel x = 300
    ViewExp* vpt = ip->GetActiveViewport();
    EXPECT_EQ(ip->PickNode(vpt->GetHWnd(), IPoint2(300, 250)), exact);
    EXPECT_EQ(vpt->HitCount(), 2);
    EXPECT_EQ(ip->PickNode(nullptr, IPoint2(300, 250)), nullptr) << "not the viewport's window";
}
