#include "modifiers/PropertySceneKeys.h"

#include "modifiers/CommonPropertyTable.h"
#include "modifiers/MoverValueTable.h"

#include <string>

namespace property_keys {
namespace {

namespace cp = common_properties;
namespace mv = mover_values;
using modifier_controls::Choice;
using modifier_controls::Flag;
using modifier_controls::Spinner;

// Values that no map line names (the mover's is-leader flag and key
// numbers) are keys of the modifier itself, not properties.
void AddFlags(std::vector<PropertyKey>& keys, ConstList<Flag> flags) {
    for (const Flag& flag : flags) {
        if (flag.property) keys.push_back({flag.property, &flag, nullptr, nullptr});
    }
}

void AddSpinners(std::vector<PropertyKey>& keys, ConstList<Spinner> spinners) {
    for (const Spinner& spinner : spinners) {
        if (spinner.property) keys.push_back({spinner.property, nullptr, &spinner, nullptr});
    }
}

void AddChoice(std::vector<PropertyKey>& keys, const Choice& choice) {
    keys.push_back({choice.property, nullptr, nullptr, &choice});
}

std::vector<PropertyKey> CommonKeys() {
    std::vector<PropertyKey> keys;
    for (const cp::Page& page : cp::kPages) {
        AddFlags(keys, page.flags);
        AddSpinners(keys, page.spinners);
        if (page.choice) AddChoice(keys, *page.choice);
    }
    return keys;
}

std::vector<PropertyKey> MoverKeys() {
    std::vector<PropertyKey> keys = CommonKeys();
    AddFlags(keys, mv::kFlags);
    AddSpinners(keys, mv::kTimes);
    for (const mv::ChoiceList& list : mv::kChoiceLists) AddChoice(keys, list.choice);
    return keys;
}

const PropertyKey* FindKey(const std::vector<PropertyKey>& keys, const std::string& name) {
    for (const PropertyKey& key : keys) {
        if (name == key.name) return &key;
    }
    return nullptr;
}

void ApplyValue(const JsonCursor& value, const PropertyKey& key, IParamArray& values) {
    if (key.flag) {
        SetParameter(value, values, key.flag->index, value.Bool() ? 1 : 0);
    } else if (key.spinner && key.spinner->type == ui::EDITTYPE_INT) {
        SetParameter(value, values, key.spinner->index, ReadInteger(value, *key.spinner));
    } else if (key.spinner) {
        SetParameter(value, values, key.spinner->index, value.Number(key.spinner->low, key.spinner->high));
    } else {
        SetParameter(value, values, key.choice->index, ReadChoice(value, *key.choice));
    }
}

std::string ItemNames(const Choice& choice) {
    std::string names;
    for (const modifier_controls::ChoiceItem& item : choice.items) {
        names += names.empty() ? "" : ", ";
        names += item.name;
    }
    return names;
}

}  // namespace

const std::vector<PropertyKey>& CommonPropertyKeys() {
    static const std::vector<PropertyKey> keys = CommonKeys();
    return keys;
}

const std::vector<PropertyKey>& MoverPropertyKeys() {
    static const std::vector<PropertyKey> keys = MoverKeys();
    return keys;
}

void ApplyProperties(const JsonCursor& properties, const std::vector<PropertyKey>& keys, IParamArray& values) {
    for (const auto& [name, value] : properties.Members()) {
        const PropertyKey* key = FindKey(keys, name);
        if (!key) properties.Fail("unknown property \"" + name + "\"");
        ApplyValue(value, *key, values);
    }
}

int ReadChoice(const JsonCursor& value, const Choice& choice) {
    const auto last = static_cast<std::int64_t>(choice.items.size()) - 1;
    if (!value.IsString()) return static_cast<int>(value.Integer(0, last));
    const std::string name = value.Utf8();
    for (std::size_t i = 0; i < choice.items.size(); ++i) {
        if (name == choice.items[i].name) return static_cast<int>(i);
    }
    value.Fail("\"" + name + "\" is none of " + ItemNames(choice) + " (or an index 0.." + std::to_string(last) + ")");
}

int ReadInteger(const JsonCursor& value, const Spinner& spinner) {
    return static_cast<int>(
        value.Integer(static_cast<std::int64_t>(spinner.low), static_cast<std::int64_t>(spinner.high)));
}

void SetParameter(const JsonCursor& at, IParamArray& values, int index, int value) {
    if (!values.SetValue(index, 0, value)) at.Fail("the modifier does not take this value");
}

void SetParameter(const JsonCursor& at, IParamArray& values, int index, float value) {
    if (!values.SetValue(index, 0, value)) at.Fail("the modifier does not take this value");
}

}  // namespace property_keys
