#include "actorbuilder/WindowMode.h"

#include "actorbuilder/ActorBuilderDialog.h"
#include "actorbuilder/BatchMode.h"
#include "actorbuilder/desktop/FltkDriver.h"

#include <cstdlib>
#include <iostream>

namespace actorbuilder {

const bool kHasWindow = true;

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

}  // namespace actorbuilder
