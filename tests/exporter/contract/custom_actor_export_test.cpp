#include "ContractDoubles.h"
#include "ContractFixture.h"

#include "exporter/CustomActorExport.h"

#include <gtest/gtest.h>

namespace {

using CustomActorExportTest = ContractRecordTest;

TEST_F(CustomActorExportTest, HelperLinesComeAfterTheModifierAndThePlacement) {
    SceneNode* start = AddObjectNode("Start 1", new TestActorHelper("PlayerStart"));
    start->SetPosition({10.0f, 20.0f, 30.0f});
    TestPropertyModifier properties;
    EXPECT_EQ(WriteRecord<CustomActorExport>(start, &properties), 0);
    EXPECT_EQ(writer.Depth(), 1);

    // Without a modifier the block has no common property lines.
    EXPECT_EQ(WriteRecord<CustomActorExport>(AddObjectNode("Med Kit", new TestActorHelper("Pickup"))), 0);
    EXPECT_EQ(writer.Depth(), 1);

    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=PlayerStart Name=Start_1\r\n"
              "\t\tbHidden=True\r\n"
              "\t\tDrawScale3D=(X=1.000000,Y=1.000000,Z=1.000000)\r\n"
              "\t\tPrePivot=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tLocation=(X=-10.000000,Y=20.000000,Z=30.000000)\r\n"
              "\t\tRotation=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tHealth=100\r\n"
              "\tEnd Actor\r\n"
              "\tBegin Actor Class=Pickup Name=Med_Kit\r\n"
              "\t\tDrawScale3D=(X=1.000000,Y=1.000000,Z=1.000000)\r\n"
              "\t\tPrePivot=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tLocation=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tRotation=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tHealth=100\r\n"
              "\tEnd Actor\r\n");
}

TEST_F(CustomActorExportTest, HelperWithoutClassWritesNothing) {
    TestPropertyModifier properties;
    EXPECT_EQ(WriteRecord<CustomActorExport>(AddObjectNode("New", new TestActorHelper("")), &properties), 2);
    EXPECT_EQ(WriteRecord<CustomActorExport>(AddObjectNode("Short", new TestActorHelper("A")), &properties), 2);
    // Two characters are a class.
    EXPECT_EQ(WriteRecord<CustomActorExport>(AddObjectNode("Two", new TestActorHelper("AB"))), 0);
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=AB Name=Two\r\n"
              "\t\tDrawScale3D=(X=1.000000,Y=1.000000,Z=1.000000)\r\n"
              "\t\tPrePivot=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tLocation=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tRotation=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tHealth=100\r\n"
              "\tEnd Actor\r\n");
}

}  // namespace
