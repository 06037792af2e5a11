#pragma once
// The descriptors of the object module's classes.

#include "host/core/ClassDesc.h"

// The module's handle, which the descriptors report; the entry point keeps it.
void KeepObjectModuleInstance(HINSTANCE module);

class ActorLibrary;

// The module's one actor library, built when the module loads.
ActorLibrary& TheActorLibrary();

ClassDesc2* TriggerClassDesc();
ClassDesc2* ActorClassDesc();
