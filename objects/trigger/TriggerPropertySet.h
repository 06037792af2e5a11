#pragma once
// The property set of one trigger class page. Bound to the trigger's
// storage, it is the parameter array of the page's map (integer parameter i
// is integer slot i, float parameter i float slot i), writes the class
// defaults and the class's map lines, and supplies the page, all from the
// set's rows. Every set of a trigger works on the same storage.

#include "host/params/IParamArray.h"
#include "host/params/ParamUIDesc.h"
#include "host/ui/DialogTemplate.h"
#include "objects/trigger/TriggerSetTables.h"

#include <cstdint>
#include <string_view>

class T3dWriter;

class TriggerPropertySet : public IParamArray {
public:
    explicit TriggerPropertySet(const trigger_tables::SetTable& set) : set_(set) {}

    // The trigger's storage from now on: kFloatSlots floats, kIntSlots
    // integers, and text 1 and text 2 of kTextSize bytes each.
    void Bind(float* floatSlots, std::int32_t* intSlots, char* text1, char* text2);

    // False for an index outside the slots and while unbound.
    using IParamArray::GetValue;
    using IParamArray::SetValue;
    bool SetValue(int index, TimeValue t, int value) override;
    bool SetValue(int index, TimeValue t, float value) override;
    bool GetValue(int index, TimeValue t, int& value) override;
    bool GetValue(int index, TimeValue t, float& value) override;

    // Text kText1 or kText2, up to its NUL and at most kTextChars long;
    // empty for another slot and while unbound.
    std::string_view Text(int slot) const;
    // Keeps the first kTextChars characters of text and clears the rest of
    // the slot; false for another slot and while unbound.
    bool SetText(int slot, std::string_view text);

    // Writes the class defaults into the set's slots; the other slots keep
    // what they hold.
    void Reset();
    // Writes the class's lines in row order; always 1.
    int Export(T3dWriter& writer) const;

    const trigger_tables::SetTable& Table() const { return set_; }
    int DialogId() const { return set_.dialogId; }
    // The page's parameter map table (may be empty) and dialog.
    const ParamUIDesc* Descriptors() const;
    int DescriptorCount() const;
    const ui::DialogTemplate& Dialog() const;

private:
    // The storage of the text slot; null for another slot and while unbound.
    char* TextSlot(int slot) const;

    const trigger_tables::SetTable& set_;
    float* floats_ = nullptr;
    std::int32_t* ints_ = nullptr;
    char* texts_[trigger_tables::kTextSlots] = {};
};
