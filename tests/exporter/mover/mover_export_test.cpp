#include "exporter/MoverExport.h"
#include "host/scene/BoxObject.h"
#include "host/scene/PositionControllers.h"
#include "tests/exporter/contract/ContractDoubles.h"
#include "tests/exporter/records/RecordFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class MoverExportTest : public RecordTest {
protected:
    // A box named Door whose position X track has these keys.
    SceneNode* Door(std::initializer_list<std::pair<TimeValue, float>> xKeys, int axis = 0) {
        SceneNode* node = AddNode(scene.GetRootNode(), "Door");
        auto* position = static_cast<PositionXYZControl*>(node->GetPositionController());
        for (const auto& [time, value] : xKeys) position->Axis(axis).AddKey(time, value);
        return node;
    }
    int Write(SceneNode* node, Modifier* tag) {
        MoverExport record(ExportContext{writer, *options, registry, GetCoreInterface()}, *node, tag);
        return record.Write();
    }
    TestMoverModifier mover;
};

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(MoverExportTest, TwoKeysGiveOneRelativeKeyAndTheLastKeysTime) {
    EXPECT_EQ(Write(Door({{0, 0.0f}, {9600, 100.0f}}), &mover), 0);
    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=Mover Name=Door\r\n"
              "\t\tInitialState=\"TriggerToggle\"\r\n"
              "\t\tbHidden=True\r\n"
              "\t\tKeyPos(1)=(X=-100.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tKeyRot(1)=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tMoveTime=2.000000\r\n"
              "\t\tNumKeys=2\r\n"
              "\t\tDrawType=DT_STATICMESH\r\n"
              "\t\tStaticMesh=StaticMesh'Castle_S.Misc.Door'\r\n"
              "\t\tDrawScale3D=(X=1.000000,Y=1.000000,Z=1.000000)\r\n"
              "\t\tPrePivot=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tLocation=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tRotation=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tBasePos=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tBaseRot=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tTag=\"Door\"\r\n"
              "\t\tName=\"Door\"\r\n"
              "\tEnd Actor\r\n");
}

TEST_F(MoverExportTest, AtMostEightKeysAndAbsoluteMoveTime) {
    SceneNode* node = Door({});
    auto* position = static_cast<PositionXYZControl*>(node->GetPositionController());
    for (int i = 0; i < 12; ++i) position->Axis(0).AddKey(4800 + i * 2400, static_cast<float>(i * 10));
    Write(node, &mover);
    std::string text = ActorText();
    EXPECT_TRUE(Contains(text, "KeyPos(7)=(X=-70.000000,"));
    EXPECT_FALSE(Contains(text, "KeyPos(8)"));
    EXPECT_TRUE(Contains(text, "NumKeys=8\r\n"));
    // The eighth key sits at 4800 + 7 * 2400 ticks: 4.5 s, counted from 0.
    EXPECT_TRUE(Contains(text, "MoveTime=4.500000\r\n"));
    // The base is the node at time 0, where the first key's value holds.
    EXPECT_TRUE(Contains(text, "KeyPos(1)=(X=-10.000000,"));
}

TEST_F(MoverExportTest, KeyEqualToTheBaseGivesNoMovementAndATrackOtherThanXItsKeys) {
    Write(Door({{0, 5.0f}, {4800, 5.0f}}), &mover);
    SceneNode* sideways = Door({{0, 0.0f}, {4800, 50.0f}}, 1);
    sideways->SetName("Sideways");
    Write(sideways, &mover);

    std::string text = ActorText();
    std::size_t second = text.find("Name=Sideways");
    ASSERT_NE(second, std::string::npos);
    std::string same = text.substr(0, second);
    EXPECT_TRUE(Contains(same, "KeyPos(1)=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"));
    EXPECT_TRUE(Contains(same, "KeyRot(1)=(Pitch=0,Yaw=0,Roll=0)\r\n"));
    std::string block = text.substr(second);
    EXPECT_TRUE(Contains(block, "KeyPos(1)=(X=0.000000,Y=50.000000,Z=0.000000)\r\n")) << block;
    EXPECT_TRUE(Contains(block, "NumKeys=2\r\n"));
}

TEST_F(MoverExportTest, AnotherModifierWritesNoBlockButTheMeshIsExported) {
    TestBrushModifier brush(0, 0, 0);
    EXPECT_EQ(Write(Door({{0, 0.0f}, {4800, 10.0f}}), &brush), 0);
    EXPECT_EQ(ActorText(), "");
    EXPECT_TRUE(Contains(ExecText(), "STATICMESH IMPORT FILE="));
    EXPECT_TRUE(os::FileExists(folder / "ase_Castle_S/Door.ase"));
}

TEST_F(MoverExportTest, InstancesImportOneMeshAndBothMoversShowIt) {
    Object* shared = scene.Adopt(new BoxObject(10.0f, 10.0f, 10.0f));
    for (const char* name : {"GateA", "GateB"}) {
        SceneNode* node = scene.GetRootNode()->AddChild(name);
        node->SetObject(shared);
        Write(node, &mover);
    }
    std::string text = ActorText();
    EXPECT_TRUE(Contains(text, "Name=GateA\r\n\t\tInitialState"));
    EXPECT_EQ(text.find("StaticMesh=StaticMesh'Castle_S.Misc.GateB'"), std::string::npos);
    std::size_t first = text.find("StaticMesh=StaticMesh'Castle_S.Misc.GateA'");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find("StaticMesh=StaticMesh'Castle_S.Misc.GateA'", first + 1), std::string::npos);
    std::string script = ExecText();
    EXPECT_TRUE(Contains(script, "NAME=\"GateA\""));
    EXPECT_FALSE(Contains(script, "NAME=\"GateB\""));
}

}  // namespace
