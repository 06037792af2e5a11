#pragma once
// The common actor property lines of the modifier that tagged a node, which
// every actor block carries before its own lines.

class Modifier;
class T3dWriter;

// Lets the modifier write its lines; nothing without a modifier. The modifier
// must be one of the modifier module's three classes, as the driver picks
// them by class id.
void WriteModifierLines(Modifier* modifier, T3dWriter& writer);
