#pragma once
// Map lines of the modifiers' values, in the forms every modifier shares.

#include "modifiers/ControlTable.h"

#include <cstdint>

class T3dWriter;

// property=True when value is non-zero, else property=False.
void WriteFlagLine(T3dWriter& writer, const char* property, std::int32_t value);
// choice.property=<the name of item number value>.
void WriteChoiceLine(T3dWriter& writer, const modifier_controls::Choice& choice, std::int32_t value, bool quoted);
