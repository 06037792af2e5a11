#include "RecordFixture.h"

#include "host/math/Angles.h"

namespace {

using ExportActorTest = RecordTest;

TEST_F(ExportActorTest, NameIsTheSanitisedNodeName) {
    EXPECT_EQ(Record(AddNode(scene.GetRootNode(), "Wall 2.1[a]+b")).Name(), "Wall_2_1_a_Pb");
}

TEST_F(ExportActorTest, NodesOutsideGroupsTakeTheOptions) {
    SceneNode* root = scene.GetRootNode();
    const ProbeRecord top = Record(AddNode(root, "Top"));
    EXPECT_EQ(top.Group(), "Misc");
    EXPECT_EQ(top.MeshPackage(), "Castle_S");
    EXPECT_EQ(top.TexturePackage(), "Castle_T");

    // Linked below another node but in no group.
    EXPECT_EQ(Record(AddNode(AddNode(root, "Base"), "Linked")).Group(), "Misc");
    // A member directly under the root, and one whose ancestors hold no group head.
    EXPECT_EQ(Record(AddNode(root, "Loose", true)).Group(), "Misc");
    const ProbeRecord headless = Record(AddNode(AddNode(root, "Base2"), "Member", true));
    EXPECT_EQ(headless.Group(), "Misc");
    EXPECT_EQ(headless.MeshPackage(), "Castle_S");
}

TEST_F(ExportActorTest, GroupMembersTakeTheirGroupAndPackage) {
    SceneNode* tower = AddGroupHead(scene.GetRootNode(), "Tower");
    const ProbeRecord inTower = Record(AddNode(tower, "Stair", true));
    EXPECT_EQ(inTower.Group(), "Tower");
    EXPECT_EQ(inTower.MeshPackage(), "Castle_S");
    EXPECT_EQ(inTower.TexturePackage(), "Castle_T");

    // A group nested in another takes the outer group's name as its package.
    SceneNode* keep = AddGroupHead(scene.GetRootNode(), "Keep");
    SceneNode* door = AddGroupHead(keep, "Door", true);
    const ProbeRecord inDoor = Record(AddNode(door, "Hinge", true));
    EXPECT_EQ(inDoor.Group(), "Door");
    EXPECT_EQ(inDoor.MeshPackage(), "Keep_S");
    EXPECT_EQ(inDoor.TexturePackage(), "Keep_T");

    // Linked below another member: the climb passes it for the group head.
    const ProbeRecord linked = Record(AddNode(AddNode(door, "Panel", true), "Handle", true));
    EXPECT_EQ(linked.Group(), "Door");
    EXPECT_EQ(linked.MeshPackage(), "Keep_S");

    // Group and package names become engine names too.
    SceneNode* hall = AddGroupHead(AddGroupHead(scene.GetRootNode(), "Great Hall"), "Side.Door", true);
    const ProbeRecord sanitised = Record(AddNode(hall, "Bolt", true));
    EXPECT_EQ(sanitised.Group(), "Side_Door");
    EXPECT_EQ(sanitised.MeshPackage(), "Great_Hall_S");
}

TEST_F(ExportActorTest, TheLevelPackageInAnyCaseKeepsItsName) {
    SceneNode* root = scene.GetRootNode();
    for (const char* package : {"myLevel", "MYLEVEL", "mylevel"}) {
        options->Package = package;
        const ProbeRecord record = Record(AddNode(root, "Node"));
        EXPECT_EQ(record.MeshPackage(), package);
        EXPECT_EQ(record.TexturePackage(), package);
    }
    options->Package = "myLevel2";
    EXPECT_EQ(Record(AddNode(root, "Node")).MeshPackage(), "myLevel2_S");
    options->Package = "myLeve";
    EXPECT_EQ(Record(AddNode(root, "Node")).TexturePackage(), "myLeve_T");
    options->Package = "my Level";
    EXPECT_EQ(Record(AddNode(root, "Node")).MeshPackage(), "my_Level_S");
}

TEST_F(ExportActorTest, RecordTakesItsPlacementAtTimeZero) {
    SceneNode* node = AddNode(scene.GetRootNode(), "Node");
    node->SetPosition({10.0f, 20.0f, 30.0f});
    node->AddRotationKey(0, {0.0f, 0.0f, 90.0f});
    node->AddRotationKey(TICKS_PER_SECOND, {0.0f, 0.0f, 0.0f});
    const ProbeRecord record = Record(node);
    EXPECT_FLOAT_EQ(record.Placement().location.x, -10.0f);
    EXPECT_EQ(record.Placement().yaw, -16384);
}

TEST_F(ExportActorTest, WritePlacementWritesTheMaskedLinesInFixedOrder) {
    SceneNode* node = AddNode(scene.GetRootNode(), "Node");
    node->SetPosition({10.0f, 20.0f, 30.0f});
    node->SetRotation(QFromAngAxis(HALFPI, {0.0f, 0.0f, 1.0f}));
    node->SetScale({2.0f, 2.0f, 2.0f});
    node->SetObjOffsetPos({1.0f, 2.0f, 3.0f});
    const ProbeRecord record = Record(node);
    record.Place(kPlacementAll);
    record.Place(kPlacementLocation);
    record.Place(kPlacementRotation | kPlacementDrawScale3D);
    record.Place(0);
    EXPECT_EQ(ActorText(),
              "\tDrawScale3D=(X=2.000000,Y=2.000000,Z=2.000000)\r\n"
              "\tPrePivot=(X=1.000000,Y=-2.000000,Z=-3.000000)\r\n"
              "\tLocation=(X=-10.000000,Y=20.000000,Z=30.000000)\r\n"
              "\tRotation=(Pitch=0,Yaw=-16384,Roll=0)\r\n"
              "\tLocation=(X=-10.000000,Y=20.000000,Z=30.000000)\r\n"
              "\tDrawScale3D=(X=2.000000,Y=2.000000,Z=2.000000)\r\n"
              "\tRotation=(Pitch=0,Yaw=-16384,Roll=0)\r\n");
}

}  // namespace
