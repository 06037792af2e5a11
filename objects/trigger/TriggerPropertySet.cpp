#include "objects/trigger/TriggerPropertySet.h"

#include "common/T3dWriter.h"
#include "host/math/Point3.h"
#include "objects/trigger/TriggerPageTemplate.h"

#include <algorithm>
#include <cstring>

namespace tt = trigger_tables;

namespace {

template <class T>
bool HasSlot(const T* slots, int index, int count) {
    return slots && index >= 0 && index < count;
}

// A damaged block may hold any number; the first type keeps the line one
// the engine reads.
const char* TypeName(std::int32_t value) {
    return tt::kTriggerTypes[value >= 0 && value < tt::kTriggerTypeCount ? value : 0].name;
}

}  // namespace

void TriggerPropertySet::Bind(float* floatSlots, std::int32_t* intSlots, char* text1, char* text2) {
    floats_ = floatSlots;
    ints_ = intSlots;
    texts_[tt::kText1] = text1;
    texts_[tt::kText2] = text2;
}

bool TriggerPropertySet::SetValue(int index, TimeValue, int value) {
    if (!HasSlot(ints_, index, tt::kIntSlots)) return false;
    ints_[index] = value;
    return true;
}

bool TriggerPropertySet::SetValue(int index, TimeValue, float value) {
    if (!HasSlot(floats_, index, tt::kFloatSlots)) return false;
    floats_[index] = value;
    return true;
}

bool TriggerPropertySet::GetValue(int index, TimeValue, int& value) {
    if (!HasSlot(ints_, index, tt::kIntSlots)) return false;
    value = ints_[index];
    return true;
}

bool TriggerPropertySet::GetValue(int index, TimeValue, float& value) {
    if (!HasSlot(floats_, index, tt::kFloatSlots)) return false;
    value = floats_[index];
    return true;
}

std::string_view TriggerPropertySet::Text(int slot) const {
    const char* text = TextSlot(slot);
    if (!text) return {};
    return std::string_view(text, static_cast<std::size_t>(std::find(text, text + tt::kTextChars, '\0') - text));
}

bool TriggerPropertySet::SetText(int slot, std::string_view text) {
    char* stored = TextSlot(slot);
    if (!stored) return false;
    // The whole slot is written, so a saved block holds nothing left over.
    std::memset(stored, 0, tt::kTextSize);
    std::memcpy(stored, text.data(), std::min(text.size(), tt::kTextChars));
    return true;
}

char* TriggerPropertySet::TextSlot(int slot) const {
    return HasSlot(texts_, slot, tt::kTextSlots) ? texts_[slot] : nullptr;
}

void TriggerPropertySet::Reset() {
    if (!floats_ || !ints_) return;
    for (const tt::Row& row : set_.rows) {
        switch (row.kind) {
        case tt::RowKind::CheckBox:
        case tt::RowKind::IntSpinner:
        case tt::RowKind::TriggerType: ints_[row.slot] = static_cast<std::int32_t>(row.byDefault); break;
        case tt::RowKind::FloatSpinner:
        case tt::RowKind::VectorSpinner: floats_[row.slot] = row.byDefault; break;
        case tt::RowKind::Text: SetText(row.slot, row.textDefault); break;
        }
    }
}

int TriggerPropertySet::Export(T3dWriter& writer) const {
    if (!floats_ || !ints_) return 1;
    for (const tt::Row& row : set_.rows) {
        if (!row.line) continue;
        switch (row.kind) {
        case tt::RowKind::CheckBox: writer.WriteString(row.line, ints_[row.slot] != 0 ? "True" : "False", false); break;
        case tt::RowKind::IntSpinner: writer.WriteLong(row.line, ints_[row.slot]); break;
        case tt::RowKind::FloatSpinner: writer.WriteFloat(row.line, floats_[row.slot]); break;
        case tt::RowKind::VectorSpinner:
            writer.WriteVector(row.line, Point3(floats_[row.slot], floats_[row.slot + 1], floats_[row.slot + 2]));
            break;
        case tt::RowKind::Text: writer.WriteString(row.line, Text(row.slot), true); break;
        case tt::RowKind::TriggerType: writer.WriteString(row.line, TypeName(ints_[row.slot]), false); break;
        }
    }
    return 1;
}

const ParamUIDesc* TriggerPropertySet::Descriptors() const { return TriggerPageTemplateOf(set_).descriptors.data(); }

int TriggerPropertySet::DescriptorCount() const {
    return static_cast<int>(TriggerPageTemplateOf(set_).descriptors.size());
}

const ui::DialogTemplate& TriggerPropertySet::Dialog() const { return TriggerPageTemplateOf(set_).dialog; }
