// actorbuilder: the Actor Builder's window, or without it the batch mode
// that writes and shows CXA actor definitions (see --help).

#include "actorbuilder/ActorBuilderDialog.h"
#include "actorbuilder/BatchMode.h"
#include "actorbuilder/BatchOptions.h"
#include "actorbuilder/desktop/FltkDriver.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace actorbuilder;

int RunWindow() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::cerr << "actorbuilder: the window needs an X display, and DISPLAY is not set.\n"
                     "To write or show a CXA file without one, use the batch mode: actorbuilder --help\n";
        return kExitBadCommandLine;
    }
    desktop::FltkDriver driver;
    ui::ScopedDialogDriver scope(driver);
    RunActorBuilder(nullptr);
    return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
    BatchRequest request;
    std::string error;
    if (!ParseArguments(std::vector<std::string>(argv + 1, argv + argc), request, error)) {
        std::cerr << "actorbuilder: " << error << "\nSee actorbuilder --help.\n";
        return kExitBadCommandLine;
    }
    switch (request.action) {
    case BatchRequest::Action::kHelp: std::cout << Usage(); return kExitDone;
    case BatchRequest::Action::kWrite: return WriteDefinition(request, std::cout, std::cerr);
    case BatchRequest::Action::kShow: return ShowDefinition(request.path, std::cout, std::cerr);
    case BatchRequest::Action::kWindow: break;
    }
    return RunWindow();
}
