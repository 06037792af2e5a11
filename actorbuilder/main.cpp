// actorbuilder: the Actor Builder's window, or without it the batch mode
// that writes and shows CXA actor definitions (see --help).

#include "actorbuilder/BatchMode.h"
#include "actorbuilder/BatchOptions.h"
#include "actorbuilder/WindowMode.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace actorbuilder;
    BatchRequest request;
    std::string error;
    if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), request, error)) {
        std::cerr << "actorbuilder: " << error << "\nSee actorbuilder --help.\n";
        return kExitBadCommandLine;
    }
    switch (request.action) {
    case BatchRequest::Action::kHelp: std::cout << Usage(kHasWindow); return kExitDone;
    case BatchRequest::Action::kWrite: return WriteDefinition(request, std::cout, std::cerr);
    case BatchRequest::Action::kShow: return ShowDefinition(request.path, std::cout, std::cerr);
    case BatchRequest::Action::kWindow: break;
    }
    return RunWindow();
}
