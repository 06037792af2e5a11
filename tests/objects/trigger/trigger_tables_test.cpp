// The class table, the set each class uses, the lookup the scene file
// reader makes, and the check that keeps the rows within the storage.

#include "objects/trigger/TriggerClasses.h"
#include "objects/trigger/TriggerPropertySets.h"

#include <gtest/gtest.h>

namespace {

namespace tt = trigger_tables;

TEST(TriggerTables, ClassesInIndexOrderWithTheirSets) {
    const char* const names[] = {"Counter",     "CrowdTrigger",       "LineOfSightTrigger", "MaterialTrigger",
                                 "MusicTrigger", "RedirectionTrigger", "Trigger",            "TeamTrigger",
                                 "TimedTrigger", "ZoneTrigger",        "TriggeredCondition", "UseTrigger",
                                 "ViewShaker",   "xKicker"};
    const int pages[] = {106, 108, 109, 0, 110, 111, 107, 115, 116, 107, 112, 113, 0, 114};
    ASSERT_EQ(tt::kClassCount, 14);
    TriggerPropertySets sets;
    for (int i = 0; i < tt::kClassCount; ++i) {
        EXPECT_STREQ(tt::kClasses[i].name, names[i]);
        EXPECT_EQ(tt::ClassIndex(names[i]), i);
        EXPECT_EQ(sets.ForClass(i) ? sets.ForClass(i)->DialogId() : 0, pages[i]) << names[i];
    }
    EXPECT_EQ(sets.ForClass(6), sets.ForClass(9)) << "ZoneTrigger shares the Trigger set";
    EXPECT_EQ(sets.ForClass(tt::kClassCount), nullptr);
}

TEST(TriggerTables, LinesNameTheirSlotsForTheSceneReader) {
    const tt::Row* type = tt::FindLine(tt::ClassIndex("TimedTrigger"), "TriggerType");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->kind, tt::RowKind::TriggerType);
    EXPECT_EQ(type->slot, 2);
    EXPECT_EQ(tt::TriggerTypeValue("TT_HumanPlayerProximity"), 5);
    EXPECT_EQ(tt::TriggerTypeValue("Human Proximity"), -1);
    const tt::Row* velocity = tt::FindLine(tt::ClassIndex("xKicker"), "KickVelocity");
    ASSERT_NE(velocity, nullptr);
    EXPECT_EQ(velocity->kind, tt::RowKind::VectorSpinner);
    EXPECT_EQ(tt::FindLine(tt::ClassIndex("Counter"), "CountMessage")->slot, tt::kText2);
    EXPECT_EQ(tt::FindLine(tt::ClassIndex("Trigger"), "Team"), nullptr);
    EXPECT_EQ(tt::FindLine(tt::ClassIndex("ViewShaker"), "Message"), nullptr);
}

// The compile-time check of the tables turns down rows beyond the storage.
constexpr tt::Row kSeventhIntSlot[] = {tt::CheckBoxRow(1010, "Seventh", tt::kIntSlots, 0, "bSeventh")};
constexpr tt::Row kVectorWithoutZ[] = {
    tt::SpinnerRow(tt::RowKind::VectorSpinner, 1011, 1012, "X:", 4, 0.0f, 1.0f, 0.0f, "Velocity"),
    tt::SpinnerRow(tt::RowKind::FloatSpinner, 1014, 1015, "Y:", 5, 0.0f, 1.0f, 0.0f, nullptr)};
static_assert(!tt::FitsStorage(kSeventhIntSlot) && !tt::FitsStorage(kVectorWithoutZ));

}  // namespace
