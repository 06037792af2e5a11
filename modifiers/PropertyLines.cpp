#include "modifiers/PropertyLines.h"

#include "common/T3dWriter.h"

void WriteFlagLine(T3dWriter& writer, const char* property, std::int32_t value) {
    writer.WriteString(property, value != 0 ? "True" : "False", false);
}

void WriteChoiceLine(T3dWriter& writer, const modifier_controls::Choice& choice, std::int32_t value, bool quoted) {
    // Only a damaged chunk holds a number beyond the items; the first item
    // keeps the line one the engine reads.
    const std::size_t item = modifier_controls::IsItemOf(choice, value) ? static_cast<std::size_t>(value) : 0;
    writer.WriteString(choice.property, choice.items[item].name, quoted);
}
