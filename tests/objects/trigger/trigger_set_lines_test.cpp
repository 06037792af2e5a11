// Defaults and map lines of the trigger property sets, and their slots as
// a parameter array.

#include "tests/objects/trigger/TriggerStorage.h"

#include <string>
#include <utility>
#include <vector>

namespace {

namespace tt = trigger_tables;

using TriggerSetLines = TriggerStorage;

TEST_F(TriggerSetLines, ResetWritesEveryExportedDefaultAndExportKeepsRowOrder) {
    const std::vector<std::string> trigger{"bInitiallyActive=True",      "bTriggerOnceOnly=False",
                                           "DamageThreshold=0.000000",   "ReTriggerDelay=0.000000",
                                           "RepeatTriggerTime=0.000000", "Message=\"\"",
                                           "TriggerType=TT_PlayerProximity"};
    auto triggerAnd = [&](std::vector<std::string> own) {
        own.insert(own.begin(), trigger.begin(), trigger.end());
        return own;
    };
    const std::vector<std::pair<const char*, std::vector<std::string>>> classes{
        {"Counter", {"NumToCount=2", "bShowMessage=False", "CompletedMessage=\"\"", "CountMessage=\"\""}},
        {"CrowdTrigger", {"MaxDelay=0.000000"}},
        {"LineOfSightTrigger", {"bEnabled=True", "MaxViewAngle=15", "MaxViewDist=3000.000000"}},
        {"MusicTrigger", {"FadeOutAllSongs=False", "FadeInTime=0.000000", "FadeOutTime=0.000000"}},
        {"RedirectionTrigger", {"RedirectionEvent=\"\""}},
        {"Trigger", trigger},
        {"TeamTrigger", triggerAnd({"Timed=False", "Team=0"})},
        {"TimedTrigger", triggerAnd({"Repeating=False", "DelaySeconds=0.000000"})},
        {"ZoneTrigger", trigger},
        {"TriggeredCondition", {"bEnabled=False", "bToggled=False", "bTriggerControlled=False"}},
        {"UseTrigger", {"Message=\"\""}},
        {"xKicker",
         {"bKillVelocity=False", "bRandomize=False", "KickVelocity=(X=0.000000,Y=0.000000,Z=0.000000)",
          "KickedClasses=\"Pawn\""}},
    };
    for (const auto& [name, lines] : classes) {
        FillWithJunk();
        TriggerPropertySet& set = Set(name);
        set.Reset();
        EXPECT_EQ(Lines(set), MapLines(lines)) << name;
    }
}

TEST_F(TriggerSetLines, ResetLeavesOtherSlotsAndAClassChangeClearsText1) {
    FillWithJunk();
    Set("LineOfSightTrigger").Reset();
    EXPECT_EQ(std::vector<std::int32_t>(ints, ints + 3), (std::vector<std::int32_t>{1, 15, 7}));
    EXPECT_EQ(std::vector<float>(floats, floats + 2), (std::vector<float>{3000.0f, 7.5f}));
    EXPECT_STREQ(text1, "junk 1");

    Set("Counter").SetText(tt::kText1, "Counted");
    Set("UseTrigger").Reset();
    EXPECT_EQ(Lines(Set("UseTrigger")), MapLines({"Message=\"\""}));
    EXPECT_STREQ(text2, "junk 2") << "not a UseTrigger slot";
}

TEST_F(TriggerSetLines, LinesCarryTheStoredValues) {
    TriggerPropertySet& kicker = Set("xKicker");
    kicker.Reset();
    EXPECT_TRUE(kicker.SetValue(2, 0, 500.0f));
    EXPECT_TRUE(kicker.SetValue(1, 0, 3));
    EXPECT_EQ(Lines(kicker), MapLines({"bKillVelocity=False", "bRandomize=True",
                                       "KickVelocity=(X=0.000000,Y=0.000000,Z=500.000000)", "KickedClasses=\"Pawn\""}));

    TriggerPropertySet& team = Set("TeamTrigger");
    team.Reset();
    team.SetText(tt::kText1, "Gate opens");
    EXPECT_TRUE(team.SetValue(2, 0, 5));
    EXPECT_TRUE(team.SetValue(4, 0, 3));
    EXPECT_NE(Lines(team).find("\tMessage=\"Gate opens\"\r\n\tTriggerType=TT_HumanPlayerProximity\r\n\tTimed=False\r\n"
                               "\tTeam=3\r\n"),
              std::string::npos);
    // A type beyond the table (a damaged scene) exports the first one.
    ints[2] = 6;
    EXPECT_NE(Lines(team).find("\tTriggerType=TT_PlayerProximity\r\n"), std::string::npos);
}

TEST_F(TriggerSetLines, ParametersAndTextsStayWithinTheSlots) {
    TriggerPropertySet& set = Set("Counter");
    int whole = 0;
    float real = 0.0f;
    EXPECT_TRUE(set.SetValue(5, 0, 105) && set.GetValue(5, 0, whole) && whole == 105);
    EXPECT_TRUE(set.SetValue(5, 0, 5.5f) && set.GetValue(5, 0, real) && real == 5.5f);
    for (int outside : {-1, tt::kIntSlots})
        EXPECT_FALSE(set.SetValue(outside, 0, 1) || set.SetValue(outside, 0, 1.0f) || set.GetValue(outside, 0, whole) ||
                     set.GetValue(outside, 0, real));
    EXPECT_FALSE(TriggerPropertySet(tt::kSets[0]).SetValue(0, 0, 1)) << "unbound";

    // 127 characters and the NUL; a shorter text leaves no tail behind.
    EXPECT_TRUE(set.SetText(tt::kText2, std::string(200, 'a')));
    EXPECT_EQ(set.Text(tt::kText2), std::string(127, 'a'));
    EXPECT_TRUE(set.SetText(tt::kText2, "short"));
    EXPECT_EQ(std::string(text2, sizeof text2), "short" + std::string(123, '\0'));
    EXPECT_FALSE(set.SetText(2, "third"));
    // A loaded block without its NUL still reads as 127 characters.
    std::memset(text1, 'b', sizeof text1);
    EXPECT_EQ(set.Text(tt::kText1).size(), 127u);
}

}  // namespace
