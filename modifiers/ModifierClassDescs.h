#pragma once
// The descriptors of the module's three classes, as the host lists them.

#include "host/core/ClassDesc.h"

// The module's handle, which every descriptor reports; the module's entry
// point keeps it.
void KeepModuleInstance(HINSTANCE module);

ClassDesc2* PropertiesClassDesc();
ClassDesc2* BrushClassDesc();
ClassDesc2* MoverClassDesc();
