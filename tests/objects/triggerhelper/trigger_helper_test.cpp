// The trigger helper: its map lines by class and event, its state through
// save, load and clone, its rollups with the event pick, and its display.

#include "host/display/GraphicsWindow.h"
#include "host/display/ViewExp.h"
#include "host/scene/Interface.h"
#include "host/core/Interval.h"
#include "host/scene/Scene.h"
#include "host/scene/ViewportInput.h"
#include "host/ui/CustomControls.h"
#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"
#include "host/ui/Window.h"
#include "objects/trigger/TriggerClasses.h"
#include "objects/trigger/TriggerHelperObject.h"
#include "objects/trigger/TriggerMeshes.h"
#include "objects/trigger/TriggerRollup.h"
#include "tests/common/MapText.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const std::vector<std::string> kCollisionLines = {"CollisionHeight=40.000000", "CollisionRadius=40.000000"};
const std::vector<std::string> kTriggerLines = {
    "bInitiallyActive=True",        "bTriggerOnceOnly=False", "DamageThreshold=0.000000",
    "ReTriggerDelay=0.000000",      "RepeatTriggerTime=0.000000", "Message=\"\"",
    "TriggerType=TT_PlayerProximity"};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::string Lines(TriggerHelperObject& trigger) {
    return WrittenText([&](T3dWriter& writer) { EXPECT_EQ(trigger.TriggerT3DExport(&writer), 1); });
}

int ClassIndex(const char* name) { return trigger_tables::ClassIndex(name); }

class TriggerHelperTest : public ::testing::Test {
protected:
    TriggerHelperTest() {
        node = scene.GetRootNode()->AddChild("Trigger01");
        node->SetObject(&trigger);
        door = scene.GetRootNode()->AddChild("Door");
    }

    Scene scene;
    TriggerHelperObject trigger;
    SceneNode* node = nullptr;
    SceneNode* door = nullptr;
};

TEST_F(TriggerHelperTest, NewTriggerWritesTheCollisionAndTriggerLines) {
    EXPECT_EQ(trigger.GetTriggerClass(), "Trigger");
    EXPECT_EQ(Lines(trigger), MapLines(Join(kCollisionLines, kTriggerLines)));
}

TEST_F(TriggerHelperTest, EventLineFollowsTheEventNode) {
    ASSERT_EQ(trigger.MakeRefByID(FOREVER, 0, door), REF_SUCCEED);
    EXPECT_EQ(Lines(trigger), MapLines(Join(Join(kCollisionLines, {"Event=\"Door\""}), kTriggerLines)));
    door->SetName("Gate \"Door\"");
    EXPECT_EQ(trigger.EventName(), "Gate \"Door\"");
    EXPECT_NE(Lines(trigger).find("\tEvent=\"Gate__Door_\"\r\n"), std::string::npos)
        << "named as the door's actor is: " << Lines(trigger);
    ASSERT_TRUE(scene.DeleteNode(door));
    EXPECT_EQ(trigger.EventNode(), nullptr);
    EXPECT_EQ(trigger.EventName(), "- None -");
    EXPECT_EQ(Lines(trigger), MapLines(Join(kCollisionLines, kTriggerLines)));
}

TEST_F(TriggerHelperTest, ClassChangesResetTheNewClassesSet) {
    ASSERT_TRUE(trigger.CurrentSet()->SetValue(0, 0, 0));  // bInitiallyActive off
    trigger.ChangeClass(ClassIndex("ZoneTrigger"));
    EXPECT_EQ(trigger.GetTriggerClass(), "ZoneTrigger");
    EXPECT_EQ(Lines(trigger), MapLines(Join(kCollisionLines, kTriggerLines))) << "the Trigger set, reset";

    trigger.ChangeClass(ClassIndex("Counter"));
    ASSERT_TRUE(trigger.CurrentSet()->SetText(trigger_tables::kText1, "Done!"));
    trigger.ChangeClass(ClassIndex("UseTrigger"));
    EXPECT_EQ(Lines(trigger), MapLines(Join(kCollisionLines, {"Message=\"\""})));

    for (const char* bare : {"ViewShaker", "MaterialTrigger"}) {
        trigger.ChangeClass(ClassIndex(bare));
        EXPECT_EQ(trigger.CurrentSet(), nullptr);
        trigger.MakeRefByID(FOREVER, 0, door);
        EXPECT_EQ(Lines(trigger), MapLines(Join(kCollisionLines, {"Event=\"Door\""}))) << bare;
    }
    trigger.ChangeClass(99);
    EXPECT_EQ(trigger.GetTriggerClass(), "MaterialTrigger") << "no class beyond the table";
}

TEST_F(TriggerHelperTest, SaveLoadAndCloneKeepTheBlockButNotTheEvent) {
    trigger.ChangeClass(ClassIndex("xKicker"));
    trigger.SetValue(kCollisionHeightParam, 0, 64.0f);
    trigger.CurrentSet()->SetValue(2, 0, 500.0f);
    trigger.MakeRefByID(FOREVER, 0, door);
    ISave isave;
    ASSERT_EQ(trigger.Save(&isave), IO_OK);
    ASSERT_EQ(isave.Bytes().size(), 6u + 324);

    TriggerHelperObject loaded;
    ILoad iload(isave.Bytes());
    ASSERT_EQ(loaded.Load(&iload), IO_OK);
    const std::string kicker = MapLines({"CollisionHeight=64.000000", "CollisionRadius=40.000000",
                                         "bKillVelocity=False", "bRandomize=False",
                                         "KickVelocity=(X=0.000000,Y=0.000000,Z=500.000000)",
                                         "KickedClasses=\"Pawn\""});
    EXPECT_EQ(Lines(loaded), kicker) << "loading does not reset the class's values";
    EXPECT_EQ(loaded.CylinderTM(), CylinderTransform(64, 40));

    RemapDir remap;
    std::unique_ptr<TriggerHelperObject> copy(static_cast<TriggerHelperObject*>(trigger.Clone(remap)));
    EXPECT_EQ(copy->EventNode(), nullptr);
    EXPECT_EQ(Lines(*copy), kicker);
}

TEST_F(TriggerHelperTest, DamagedBlockFallsBackToTheTriggerClass) {
    TriggerBlock damaged;
    damaged.classIndex = 40;
    ISave isave;
    isave.BeginChunk(kTriggerBlockChunk);
    isave.Write(&damaged, sizeof damaged, nullptr);
    isave.EndChunk();
    ILoad iload(isave.Bytes());
    ASSERT_EQ(trigger.Load(&iload), IO_OK);
    EXPECT_EQ(trigger.GetTriggerClass(), "Trigger");

    ISave cut;
    cut.BeginChunk(kTriggerBlockChunk);
    const float height = 10.0f;
    cut.Write(&height, sizeof height, nullptr);
    cut.EndChunk();
    ILoad cutLoad(cut.Bytes());
    EXPECT_EQ(trigger.Load(&cutLoad), IO_ERROR);
    EXPECT_EQ(trigger.Block().collisionHeight, 10.0f) << "what was read is kept";
}

TEST(TriggerCylinder, ScalesToRadiusAndHeightFromTheIconsFoot) {
    const Matrix3 tm = CylinderTransform(100, 30);
    EXPECT_EQ(Point3(0.5f, 0, 0) * tm, Point3(30, 0, -15.7728f));
    EXPECT_EQ(Point3(0, -0.5f, 1) * tm, Point3(0, -30, 100 - 15.7728f));
    EXPECT_EQ(TriggerCylinderMesh().getNumVerts(), 18);
    EXPECT_EQ(TriggerCylinderMesh().getNumFaces(), 18);
}

TEST_F(TriggerHelperTest, DrawsTheCylinderOnlyWhenAskedAndPicksOnlyTheIcon) {
    ViewExp vpt;
    node->SetPosition(Point3(0, 0, 0));
    node->SetRotation(Quat(0, 0, 0.7071068f, 0.7071068f));
    const auto drawn = [&] {
        vpt.getGW()->ClearDrawing();
        trigger.Display(0, node, &vpt, 0);
        return vpt.getGW()->GetDrawnSegments();
    };
    const std::size_t iconOnly = drawn().size();
    EXPECT_EQ(drawn()[0].color, Point3(0.34f, 0.34f, 0.87f));
    trigger.SetValue(kShowCylinderParam, 0, 1);
    const std::vector<DrawnSegment> both = drawn();
    ASSERT_GT(both.size(), iconOnly);
    EXPECT_EQ(both.back().color, Point3(0.87f, 0.34f, 0.34f));

    IPoint2 onCylinder{320 + 40, 240};
    EXPECT_EQ(trigger.HitTest(0, node, HITTYPE_POINT, 0, 0, &onCylinder, &vpt), 0);
    IPoint2 onIcon{320 + 16, 240 - 10};
    EXPECT_EQ(trigger.HitTest(0, node, HITTYPE_POINT, 0, 0, &onIcon, &vpt), 1) << "upright despite the node's turn";

    Box3 box;
    trigger.GetLocalBoundBox(0, node, &vpt, box);
    EXPECT_FLOAT_EQ(box.Max().x, 40.0f);
    EXPECT_FLOAT_EQ(box.Min().z, -15.7728f);
}

class TriggerRollups : public TriggerHelperTest {
protected:
    void SetUp() override {
        ui::InitCustomControls();
        ip->SetScene(&scene);
    }
    void TearDown() override {
        trigger.EndEditParams(ip, 0, nullptr);
        EXPECT_TRUE(ip->GetRollupPages().empty());
        ip->SetScene(nullptr);
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const RollupPage& page : ip->GetRollupPages()) titles.push_back(page.title);
        return titles;
    }
    ui::HWND Main() const { return ip->GetRollupPages().at(0).window; }

    Interface* ip = GetCoreInterface();
};

TEST_F(TriggerRollups, ClassDropDownReplacesThePropertiesPage) {
    trigger.BeginEditParams(ip, BEGIN_EDIT_CREATE, nullptr);
    EXPECT_TRUE(Titles().empty());
    trigger.BeginEditParams(ip, 0, nullptr);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Unreal Trigger", "Properties"}));
    ui::HWND list = ui::GetDlgItem(Main(), kTriggerClassList);
    EXPECT_EQ(ui::SendMessage(list, ui::CB_GETCOUNT, 0, 0), 14);
    EXPECT_EQ(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0), 6);
    EXPECT_FALSE(ui::IsWindowEnabled(ui::GetDlgItem(Main(), kShowLinkCheckBox)));

    ASSERT_TRUE(ui::user::Pick(list, "ViewShaker"));
    EXPECT_EQ(Titles(), std::vector<std::string>{"Unreal Trigger"});
    ASSERT_TRUE(ui::user::Pick(list, "TeamTrigger"));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Unreal Trigger", "Properties"}));
    EXPECT_NE(ui::GetDlgItem(ip->GetRollupPages().at(1).window, 1026), nullptr) << "the Team spinner";

    ASSERT_TRUE(ui::user::SetSpinnerValue(ui::GetDlgItem(Main(), kCollisionRadiusParam + 1), 50000));
    EXPECT_EQ(trigger.Block().collisionRadius, 32768.0f);
    EXPECT_EQ(trigger.CylinderTM(), CylinderTransform(40, 32768));
}

TEST_F(TriggerRollups, EventButtonPicksANode) {
    TriggerHelperObject doorShape;
    door->SetObject(&doorShape);
    door->SetPosition(Point3(100, 0, 0));
    trigger.BeginEditParams(ip, 0, nullptr);
    ui::HWND button = ui::GetDlgItem(Main(), kEventButton);
    ASSERT_TRUE(ui::user::Click(button));
    EXPECT_TRUE(ui::GetICustButton(button).IsChecked());
    ASSERT_NE(ip->GetCurPickMode(), nullptr);
    ASSERT_TRUE(ui::user::PickNode(door));
    EXPECT_EQ(trigger.EventNode(), door);
    EXPECT_EQ(ui::GetWindowText(ui::GetDlgItem(Main(), kEventLabel)), "Door");
    EXPECT_FALSE(ui::GetICustButton(button).IsChecked());
    EXPECT_EQ(ip->GetCurPickMode(), nullptr);
    door->SetName("Gate");
    EXPECT_EQ(ui::GetWindowText(ui::GetDlgItem(Main(), kEventLabel)), "Gate");
}

}  // namespace
