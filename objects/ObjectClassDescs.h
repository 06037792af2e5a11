#pragma once
// The descriptors of the object module's classes.

#include "host/core/ClassDesc.h"

// The module's handle, which the descriptors report; the entry point keeps it.
void KeepObjectModuleInstance(HINSTANCE module);

ClassDesc2* ActorClassDesc();
