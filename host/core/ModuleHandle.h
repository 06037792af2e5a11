#pragma once
// The host's handle of a loaded plug-in module. Modules only keep it and hand
// it back (their descriptors report it); what it points to is the host's.

struct ModuleInstance;
using HINSTANCE = ModuleInstance*;
