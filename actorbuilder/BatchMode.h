#pragma once
// The batch mode's two actions: write a CXA file, show one.

#include "actorbuilder/BatchOptions.h"

#include <ostream>

namespace actorbuilder {

// Exit codes of the program.
constexpr int kExitDone = 0;
constexpr int kExitFileFailed = 1;
constexpr int kExitBadCommandLine = 2;

// Writes request.form to request.path; a line on out when done, the reason
// on err when not (and no file is left).
int WriteDefinition(const BatchRequest& request, std::ostream& out, std::ostream& err);

// Prints the file as the actor helper loads it: the class, each property as
// a --property text, the geometry's size and flags. Fails on a file that
// the helper would not load.
int ShowDefinition(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace actorbuilder
