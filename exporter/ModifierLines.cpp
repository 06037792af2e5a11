#include "exporter/ModifierLines.h"

#include "common/PluginClasses.h"

void WriteModifierLines(Modifier* modifier, T3dWriter& writer) {
    if (!modifier) return;
    // The brush and mover modifiers derive from CXMod too, so one cast serves
    // all three class ids.
    static_cast<CXMod*>(modifier)->CXModT3DExport(&writer);
}
