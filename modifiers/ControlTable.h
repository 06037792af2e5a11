#pragma once
// The kinds of entries of the modifiers' control tables. Each entry ties a
// parameter index of a modifier to the control that edits it and to the
// name the value goes by outside the modifier: its map property, or its
// name in the scene file. The pages, the defaults, the map lines and the
// scene file's keys all come from these tables.

#include "host/params/ConstList.h"
#include "host/ui/CustomControls.h"

#include <cstdint>

namespace modifier_controls {

// A 0/1 value with its check box.
struct Flag {
    int index;
    int checkBoxId;
    const char* label;
    const char* property;  // null when no map line carries it
    int byDefault;
};

// An integer or float value with its spinner and edit.
struct Spinner {
    int index;
    const char* property;  // null when no map line carries it
    const char* label;
    ui::EditSpinnerType type;
    int editId;
    int spinnerId;
    float low;
    float high;
    float step;
};

// One value of a choice: the button that picks it (0 for a list entry), the
// button's text, and the name the value goes by outside the page.
struct ChoiceItem {
    int buttonId;
    const char* label;
    const char* name;
};

// A value that is the position of its item: a radio group or a list.
struct Choice {
    int index;
    const char* property;  // null when no map line carries it
    const char* group;     // the text of the group box or the list's label
    ConstList<ChoiceItem> items;
};

// Whether value is the position of one of the choice's items.
constexpr bool IsItemOf(const Choice& choice, std::int64_t value) {
    return value >= 0 && static_cast<std::uint64_t>(value) < choice.items.size();
}

// Stores value as the choice's word when it is the position of an item.
inline bool StoreChoice(const Choice& choice, int value, std::int32_t& word) {
    if (IsItemOf(choice, value)) word = value;
    return IsItemOf(choice, value);
}

}  // namespace modifier_controls
