#pragma once
// The "properties" of the modifier types: values set by the names of their
// map lines ("bBlockActors", "LifeSpan", "SurfaceType" …), each read as its
// control allows: true or false for a check box, a number within the
// spinner's range, an item's name or position for a radio group or list.

#include "host/params/IParamArray.h"
#include "host/scenekeys/JsonCursor.h"
#include "modifiers/ControlTable.h"

#include <vector>

namespace property_keys {

using scenefile::JsonCursor;

// One named value and the control entry that says how it is read.
struct PropertyKey {
    const char* name;
    const modifier_controls::Flag* flag;
    const modifier_controls::Spinner* spinner;
    const modifier_controls::Choice* choice;
};

// The common actor properties.
const std::vector<PropertyKey>& CommonPropertyKeys();
// The common actor properties and the mover's own.
const std::vector<PropertyKey>& MoverPropertyKeys();

// Sets every member of properties through values.
void ApplyProperties(const JsonCursor& properties, const std::vector<PropertyKey>& keys, IParamArray& values);

// An item's name (as written) or its position.
int ReadChoice(const JsonCursor& value, const modifier_controls::Choice& choice);
// An integer within the spinner's range.
int ReadInteger(const JsonCursor& value, const modifier_controls::Spinner& spinner);
// Hands value to the modifier's parameter index; fails at `at` when the
// modifier does not take it.
void SetParameter(const JsonCursor& at, IParamArray& values, int index, int value);
void SetParameter(const JsonCursor& at, IParamArray& values, int index, float value);

}  // namespace property_keys
