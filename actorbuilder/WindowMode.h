#pragma once
// The Actor Builder's window: FLTK's in the default build, none in a build
// made with CORVATRIX_GUI=OFF, where the batch mode is all there is.

namespace actorbuilder {

// Whether this build has the window.
extern const bool kHasWindow;

// Opens the window until it is closed; the program's exit code. Without a
// display, or without a window in this build, says so on stderr instead.
int RunWindow();

}  // namespace actorbuilder
