#include "ContractDoubles.h"
#include "ContractFixture.h"

#include "exporter/TriggerExport.h"
#include "host/math/Quat.h"

#include <gtest/gtest.h>

namespace {

using TriggerExportTest = ContractRecordTest;

TEST_F(TriggerExportTest, TriggerIsPlacedByItsLocationAlone) {
    SceneNode* gate = AddObjectNode("Gate Trigger", new TestTriggerHelper("ZoneTrigger"));
    gate->SetPosition({1.0f, 2.0f, 3.0f});
    // Turned and scaled, which a trigger block does not show.
    gate->SetRotation(QFromAngAxis(1.0f, Point3(0.0f, 0.0f, 1.0f)));
    gate->SetScale({2.0f, 2.0f, 2.0f});
    TestPropertyModifier properties;
    EXPECT_EQ(WriteRecord<TriggerExport>(gate, &properties), 0);
    EXPECT_EQ(writer.Depth(), 1);

    // The class is not checked: even an empty one is written.
    EXPECT_EQ(WriteRecord<TriggerExport>(AddObjectNode("Bare", new TestTriggerHelper(""))), 0);
    EXPECT_EQ(writer.Depth(), 1);

    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=ZoneTrigger Name=Gate_Trigger\r\n"
              "\t\tbHidden=True\r\n"
              "\t\tLocation=(X=-1.000000,Y=2.000000,Z=3.000000)\r\n"
              "\t\tEvent=OpenGate\r\n"
              "\tEnd Actor\r\n"
              "\tBegin Actor Class= Name=Bare\r\n"
              "\t\tLocation=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tEvent=OpenGate\r\n"
              "\tEnd Actor\r\n");
}

}  // namespace
