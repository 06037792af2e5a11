// Scene files with "Trigger" objects, read and exported by the real program
// with the real modules: class, cylinder, event and properties reach the
// map.

#include "tests/objects/module/SceneExport.h"

#include <gtest/gtest.h>

namespace {

using TriggerSceneExport = SceneExport;

TEST_F(TriggerSceneExport, TriggersCarryClassEventAndProperties) {
    const ProgramRun run = Export(R"(
        {"name": "Plate", "object": {"type": "Trigger", "event": "Door", "collisionHeight": 20,
                                      "properties": {"bTriggerOnceOnly": true, "TriggerType": "TT_Shoot",
                                                     "Message": "Opening"}}},
        {"name": "Door", "object": {"type": "box"}},
        {"name": "Teams", "object": {"type": "Trigger", "class": "TeamTrigger", "properties": {"Team": 3}}},
        {"name": "Jump", "object": {"type": "Trigger", "class": "xKicker",
                                     "properties": {"KickVelocity": [0, 0, 500]}}})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string map = Map();
    EXPECT_NE(ActorBlock("Trigger", "Plate")
                  .find("\t\tCollisionHeight=20.000000\r\n\t\tCollisionRadius=40.000000\r\n\t\tEvent=\"Door\"\r\n"
                        "\t\tbInitiallyActive=True\r\n\t\tbTriggerOnceOnly=True\r\n"),
              std::string::npos)
        << map;
    EXPECT_NE(ActorBlock("Trigger", "Plate").find("\t\tMessage=\"Opening\"\r\n\t\tTriggerType=TT_Shoot\r\n"),
              std::string::npos);
    EXPECT_NE(ActorBlock("TeamTrigger", "Teams").find("\t\tTimed=False\r\n\t\tTeam=3\r\n"), std::string::npos);
    EXPECT_NE(ActorBlock("xKicker", "Jump")
                  .find("KickVelocity=(X=0.000000,Y=0.000000,Z=500.000000)\r\n\t\tKickedClasses=\"Pawn\"\r\n"),
              std::string::npos)
        << map;
}

TEST_F(TriggerSceneExport, BadClassesPropertiesAndEventsAreErrors) {
    ProgramRun run = Export(R"({"name": "T", "object": {"type": "Trigger", "class": "Trap"}})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no trigger class \"Trap\""), std::string::npos) << run.err;

    run = Export(R"({"name": "T", "object": {"type": "Trigger", "class": "Counter", "properties": {"Team": 1}}})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("NumToCount"), std::string::npos) << "names the class's properties: " << run.err;

    run = Export(R"({"name": "T", "object": {"type": "Trigger", "class": "LineOfSightTrigger",
                                              "properties": {"MaxViewDist": 65385}}})");
    EXPECT_EQ(run.exitCode, 2) << "beyond the spinner's range";

    run = Export(R"({"name": "T", "object": {"type": "Trigger", "event": "Nowhere"}})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no node named \"Nowhere\""), std::string::npos) << run.err;

    run = Export(R"({"name": "T", "object": {"type": "Trigger", "properties": {"Message": ")" + std::string(128, 'm') +
                 R"("}}})");
    EXPECT_EQ(run.exitCode, 2) << "a message longer than the trigger keeps";
}

}  // namespace
