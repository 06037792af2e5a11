#pragma once
// The Actor Builder's window, dialog 101: the class name, the property
// list and the geometry options of a CXA file, with Load and Save.

#include "host/ui/Window.h"

namespace actorbuilder {

// The caption of the window's message boxes.
constexpr const char* kMessageCaption = "corvatrix Actor Builder";

// Runs the window modally, owned by owner (null: the desktop), with the
// current driver of the window layer as its user; returns when Exit or the
// close box ends it.
void RunActorBuilder(ui::HWND owner);

}  // namespace actorbuilder
