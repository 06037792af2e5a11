#pragma once
// The map lines of a definition's properties, with their current values.

class T3dWriter;
struct ActorDef;

// One line per property in definition order, at the writer's depth: BOOLEAN
// True/False, INTEGER and BYTE as integers, FLOAT as a float, ENUM as the
// value's item (cut to 64 characters; no line when the value names no
// item). COLOUR properties write no line.
void WriteActorPropertyLines(const ActorDef& def, T3dWriter& writer);
