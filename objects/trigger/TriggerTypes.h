#pragma once
// The trigger types of the Trigger, TeamTrigger and TimedTrigger classes:
// a value 0 to 5, picked by radio buttons in value order and exported by
// its name.

#include <iterator>
#include <string_view>

namespace trigger_tables {

struct TriggerType {
    const char* radioText;
    const char* name;
};

inline constexpr TriggerType kTriggerTypes[] = {
    {"Player Proximity", "TT_PlayerProximity"},
    {"Pawn Proximity", "TT_PawnProximity"},
    {"Class Proximity", "TT_ClassProximity"},
    {"Any Proximity", "TT_AnyProximity"},
    {"Shoot", "TT_Shoot"},
    {"Human Proximity", "TT_HumanPlayerProximity"},
};

constexpr int kTriggerTypeCount = static_cast<int>(std::size(kTriggerTypes));

// The value exported as name; -1 for none.
inline int TriggerTypeValue(std::string_view name) {
    for (int value = 0; value < kTriggerTypeCount; ++value) {
        if (name == kTriggerTypes[value].name) return value;
    }
    return -1;
}

}  // namespace trigger_tables
