#pragma once
// The command line of the actorbuilder program: the window without
// arguments, else the batch mode that writes or shows a CXA file.

#include "objects/cxa/CxaWriter.h"

#include <string>
#include <string_view>
#include <vector>

namespace actorbuilder {

struct BatchRequest {
    enum class Action { kWindow, kHelp, kWrite, kShow };
    Action action = Action::kWindow;
    cxa::DefinitionForm form;  // kWrite
    std::string path;          // the file written (kWrite) or shown (kShow)
};

// The --help text, of a build with or without the window.
std::string Usage(bool hasWindow);

// One property in the batch syntax name:TYPE:t3dname:default[:enum values];
// false with what is wrong in error.
bool ParseProperty(std::string_view text, cxa::PropertyRow& row, std::string& error);

// The arguments after the program name. False, with error naming the option
// or field, for a bad command line, including texts longer than the readers
// of a CXA file keep.
bool ParseArguments(const std::vector<std::string>& args, BatchRequest& request, std::string& error);

}  // namespace actorbuilder
