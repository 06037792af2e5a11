#pragma once
// The fourteen trigger classes in the order of their index, the property
// set each uses, and what the scene file reader asks of them: a class by
// name, and the row behind a property named by its map line.

#include "objects/trigger/TriggerSetTables.h"

#include <iterator>
#include <string_view>

namespace trigger_tables {

struct TriggerClass {
    const char* name;
    int dialogId;  // the page of its property set; 0 when it has none
};

inline constexpr TriggerClass kClasses[] = {
    {"Counter", 106},
    {"CrowdTrigger", 108},
    {"LineOfSightTrigger", 109},
    {"MaterialTrigger", 0},
    {"MusicTrigger", 110},
    {"RedirectionTrigger", 111},
    {"Trigger", 107},
    {"TeamTrigger", 115},
    {"TimedTrigger", 116},
    {"ZoneTrigger", 107},
    {"TriggeredCondition", 112},
    {"UseTrigger", 113},
    {"ViewShaker", 0},
    {"xKicker", 114},
};

constexpr int kClassCount = static_cast<int>(std::size(kClasses));

// The index of the class of that name; -1 for none.
inline int ClassIndex(std::string_view name) {
    for (int i = 0; i < kClassCount; ++i) {
        if (name == kClasses[i].name) return i;
    }
    return -1;
}

// The property set of the class at classIndex; null for a class without
// one and for an index beyond the table.
inline const SetTable* SetForClass(int classIndex) {
    if (classIndex < 0 || classIndex >= kClassCount) return nullptr;
    for (const SetTable& set : kSets) {
        if (set.dialogId == kClasses[classIndex].dialogId) return &set;
    }
    return nullptr;
}

// The row of the class's set exported as line ("bInitiallyActive",
// "KickVelocity" …): its kind, slot and range say how a value for it is
// read and stored; a TriggerType row takes a kTriggerTypes value. Null when
// the class has no such line.
inline const Row* FindLine(int classIndex, std::string_view line) {
    const SetTable* set = SetForClass(classIndex);
    if (!set) return nullptr;
    for (const Row& row : set->rows) {
        if (row.line && line == row.line) return &row;
    }
    return nullptr;
}

}  // namespace trigger_tables
