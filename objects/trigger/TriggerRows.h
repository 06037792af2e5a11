#pragma once
// The rows that describe a trigger class's own properties: for each, the
// control on the class's page, the storage slot it edits, its range and
// default, and the map line it becomes. The page, its parameter map table,
// the defaults, the export and the scene file's property names all come
// from the rows, so a class is described once.
//
// Every class works on the same storage of the trigger: six float slots,
// six integer slots, text 1 and text 2.

#include "host/params/ConstList.h"
#include "objects/trigger/TriggerTypes.h"

#include <cstddef>

namespace trigger_tables {

constexpr int kFloatSlots = 6;
constexpr int kIntSlots = 6;
constexpr int kTextSlots = 2;
// Bytes of each text, its NUL included.
constexpr std::size_t kTextSize = 128;
constexpr std::size_t kTextChars = kTextSize - 1;
// Text slots: text 1 and text 2.
constexpr int kText1 = 0;
constexpr int kText2 = 1;

enum class RowKind {
    CheckBox,       // integer slot, 0 or 1; line True or False
    IntSpinner,     // integer slot; line the number
    FloatSpinner,   // float slot; line the number
    VectorSpinner,  // float slot, the X of a vector whose Y and Z are the
                    // slots of the two float spinner rows after it; one line
                    // for all three
    Text,           // text slot; line the text in double quotes
    TriggerType,    // integer slot set by the trigger-type radio buttons;
                    // line the type's exported name
};

struct Row {
    RowKind kind;
    int controlId;      // the check box, the edit, or the first radio button
    int spinnerId;      // spinners only
    const char* label;  // for the radio buttons, the title of their group box
    int slot;
    float low;
    float high;
    float byDefault;          // numbers
    const char* textDefault;  // texts
    const char* line;         // null when a vector row writes it
};

constexpr Row CheckBoxRow(int id, const char* label, int slot, int byDefault, const char* line) {
    return {RowKind::CheckBox, id, 0, label, slot, 0.0f, 1.0f, static_cast<float>(byDefault), nullptr, line};
}

constexpr Row SpinnerRow(RowKind kind, int editId, int spinnerId, const char* label, int slot, float low, float high,
                         float byDefault, const char* line) {
    return {kind, editId, spinnerId, label, slot, low, high, byDefault, nullptr, line};
}

constexpr Row TextRow(int editId, const char* label, int slot, const char* byDefault, const char* line) {
    return {RowKind::Text, editId, 0, label, slot, 0.0f, 0.0f, 0.0f, byDefault, line};
}

// The buttons are firstButtonId onwards, one per trigger type in value order.
constexpr Row TriggerTypeRow(int firstButtonId, const char* label, int slot, const char* line) {
    const auto highest = static_cast<float>(kTriggerTypeCount - 1);
    return {RowKind::TriggerType, firstButtonId, 0, label, slot, 0.0f, highest, 0.0f, nullptr, line};
}

// The rows of first, then those of then: a class that extends another.
template <std::size_t A, std::size_t B>
struct JoinedRows {
    Row items[A + B];
};

template <std::size_t A, std::size_t B>
constexpr JoinedRows<A, B> Join(const Row (&first)[A], const Row (&then)[B]) {
    JoinedRows<A, B> joined{};
    for (std::size_t i = 0; i < A; ++i) joined.items[i] = first[i];
    for (std::size_t i = 0; i < B; ++i) joined.items[A + i] = then[i];
    return joined;
}

constexpr int SlotCount(RowKind kind) {
    switch (kind) {
    case RowKind::FloatSpinner:
    case RowKind::VectorSpinner: return kFloatSlots;
    case RowKind::Text: return kTextSlots;
    default: return kIntSlots;
    }
}

// Whether every row's slot lies within the storage and each vector row's Y
// and Z are the two float spinner rows after it, without lines of their
// own. The tables are checked with it when compiled: a slot beyond the
// storage would write past the trigger's block.
constexpr bool FitsStorage(ConstList<Row> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        if (row.slot < 0 || row.slot >= SlotCount(row.kind)) return false;
        if (row.kind != RowKind::VectorSpinner) continue;
        if (i + 2 >= rows.size()) return false;
        for (std::size_t k = 1; k <= 2; ++k) {
            const Row& axis = rows[i + k];
            if (axis.kind != RowKind::FloatSpinner || axis.slot != row.slot + static_cast<int>(k) || axis.line)
                return false;
        }
    }
    return true;
}

}  // namespace trigger_tables
