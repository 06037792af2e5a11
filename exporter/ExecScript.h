#pragma once
// The EXEC script's end and the console command that runs it: after the scene
// walk's texture and static-mesh imports, the script imports the map,
// rebuilds it and saves the packages as the options ask.

#include "common/T3dWriter.h"
#include "common/ExportOptions.h"

#include <string>

class Interface;

// Appends the commands that follow the walk's lines: the map import, the
// rebuild and the saving and reloading of the packages. The map is named as
// the host's editor paths say.
void WriteClosingCommands(T3dWriter& writer, const ExportOptions& options, Interface& host);

// The console command that runs the writer's EXEC script, its path quoted
// and named as the host's editor paths say (it is pasted into the editor);
// empty when the path cannot be quoted.
std::string ExecCommand(const T3dWriter& writer, const Interface& host);
