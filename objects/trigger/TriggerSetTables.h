#pragma once
// The eleven property sets of the trigger classes, one per class page
// (dialogs 106 to 116), each a list of rows in export order.

#include "host/params/ConstList.h"
#include "objects/trigger/TriggerRows.h"

namespace trigger_tables {

struct SetTable {
    int dialogId;
    ConstList<Row> rows;
};

namespace set_rows {

constexpr RowKind kInt = RowKind::IntSpinner;
constexpr RowKind kFloat = RowKind::FloatSpinner;
constexpr RowKind kVector = RowKind::VectorSpinner;
constexpr float kNear = 32768.0f;
// The far limit of distances and times; below the 16-bit maximum.
constexpr float kFar = 65384.0f;

inline constexpr Row kCounter[] = {
    SpinnerRow(kInt, 1011, 1012, "Num. to count:", 0, 0.0f, 255.0f, 2.0f, "NumToCount"),
    CheckBoxRow(1010, "Show Message", 1, 0, "bShowMessage"),
    TextRow(1024, "Completed Message:", kText1, "", "CompletedMessage"),
    TextRow(1025, "Count Message:", kText2, "", "CountMessage"),
};

inline constexpr Row kTrigger[] = {
    CheckBoxRow(1010, "Initially Active", 0, 1, "bInitiallyActive"),
    CheckBoxRow(1013, "Trigger once only", 1, 0, "bTriggerOnceOnly"),
    SpinnerRow(kFloat, 1011, 1012, "Damage:", 0, 0.0f, kNear, 0.0f, "DamageThreshold"),
    SpinnerRow(kFloat, 1014, 1015, "Retrig. delay:", 1, 0.0f, kNear, 0.0f, "ReTriggerDelay"),
    SpinnerRow(kFloat, 1016, 1017, "Repeat Time:", 2, 0.0f, kNear, 0.0f, "RepeatTriggerTime"),
    TextRow(1024, "Message:", kText1, "", "Message"),
    TriggerTypeRow(1018, "Type", 2, "TriggerType"),
};

inline constexpr Row kCrowdTrigger[] = {
    SpinnerRow(kFloat, 1011, 1012, "Max. delay:", 0, 0.0f, kNear, 0.0f, "MaxDelay"),
};

inline constexpr Row kLineOfSightTrigger[] = {
    CheckBoxRow(1010, "Enabled", 0, 1, "bEnabled"),
    SpinnerRow(kInt, 1011, 1012, "Viewing angle:", 1, 0.0f, 360.0f, 15.0f, "MaxViewAngle"),
    SpinnerRow(kFloat, 1014, 1015, "View distance:", 0, 0.0f, kFar, 3000.0f, "MaxViewDist"),
};

inline constexpr Row kMusicTrigger[] = {
    CheckBoxRow(1010, "Fade out all songs", 0, 0, "FadeOutAllSongs"),
    SpinnerRow(kFloat, 1011, 1012, "Fade in time:", 0, 0.0f, kFar, 0.0f, "FadeInTime"),
    SpinnerRow(kFloat, 1014, 1015, "Fade out time:", 1, 0.0f, kFar, 0.0f, "FadeOutTime"),
};

inline constexpr Row kRedirectionTrigger[] = {
    TextRow(1024, "Redirection Event:", kText1, "", "RedirectionEvent"),
};

inline constexpr Row kTriggeredCondition[] = {
    CheckBoxRow(1010, "Enabled", 0, 0, "bEnabled"),
    CheckBoxRow(1013, "Toggled", 1, 0, "bToggled"),
    CheckBoxRow(1014, "Trigger controlled", 2, 0, "bTriggerControlled"),
};

inline constexpr Row kUseTrigger[] = {
    TextRow(1024, "Message:", kText1, "", "Message"),
};

inline constexpr Row kKicker[] = {
    CheckBoxRow(1010, "Kill velocity", 0, 0, "bKillVelocity"),
    CheckBoxRow(1013, "Randomize", 1, 0, "bRandomize"),
    SpinnerRow(kVector, 1011, 1012, "X:", 0, 0.0f, kNear, 0.0f, "KickVelocity"),
    SpinnerRow(kFloat, 1014, 1015, "Y:", 1, 0.0f, kNear, 0.0f, nullptr),
    SpinnerRow(kFloat, 1016, 1017, "Z:", 2, 0.0f, kNear, 0.0f, nullptr),
    TextRow(1024, "Kicked classes:", kText1, "Pawn", "KickedClasses"),
};

inline constexpr Row kTeamOwn[] = {
    CheckBoxRow(1025, "Timed", 3, 0, "Timed"),
    SpinnerRow(kInt, 1026, 1027, "Team:", 4, 0.0f, 255.0f, 0.0f, "Team"),
};
inline constexpr auto kTeamTrigger = Join(kTrigger, kTeamOwn);

inline constexpr Row kTimedOwn[] = {
    CheckBoxRow(1025, "Repeating", 3, 0, "Repeating"),
    SpinnerRow(kFloat, 1026, 1027, "Delay seconds:", 3, 0.0f, kFar, 0.0f, "DelaySeconds"),
};
inline constexpr auto kTimedTrigger = Join(kTrigger, kTimedOwn);

}  // namespace set_rows

inline constexpr SetTable kSets[] = {
    {106, set_rows::kCounter},
    {107, set_rows::kTrigger},
    {108, set_rows::kCrowdTrigger},
    {109, set_rows::kLineOfSightTrigger},
    {110, set_rows::kMusicTrigger},
    {111, set_rows::kRedirectionTrigger},
    {112, set_rows::kTriggeredCondition},
    {113, set_rows::kUseTrigger},
    {114, set_rows::kKicker},
    {115, set_rows::kTeamTrigger.items},
    {116, set_rows::kTimedTrigger.items},
};

constexpr bool AllSetsFitStorage() {
    for (const SetTable& set : kSets) {
        if (!FitsStorage(set.rows)) return false;
    }
    return true;
}
static_assert(AllSetsFitStorage(), "a trigger property row lies outside the trigger's storage");

}  // namespace trigger_tables
