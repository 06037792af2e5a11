#pragma once
// The actor library of the loaded object module, as the module builds it:
// the definitions in the cxActors folder beside the module's file. The
// scene reader and the program read it to know the classes by name.

#include "objects/cxa/ActorLibrary.h"

// Empty (and unbuilt) when the object module is not loaded.
ActorLibrary ModuleActorLibrary();
