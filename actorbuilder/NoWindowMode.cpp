#include "actorbuilder/WindowMode.h"

#include "actorbuilder/BatchMode.h"

#include <iostream>

namespace actorbuilder {

const bool kHasWindow = false;

int RunWindow() {
    std::cerr << "actorbuilder: this build has no window (it was built with CORVATRIX_GUI=OFF).\n"
                 "To write or show a CXA file, use the batch mode: actorbuilder --help\n";
    return kExitBadCommandLine;
}

}  // namespace actorbuilder
