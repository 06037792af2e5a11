#pragma once
// The C entry points of a plug-in module: the one header a module needs to
// be loaded by the host. A module defines each of them with PLUGIN_EXPORT,
// as nothing else of a module (built with hidden visibility) is seen.

#include "host/core/ClassDesc.h"
#include "host/core/ModuleHandle.h"

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

// The version word of the host's plug-in interface. A module returns it from
// LibVersion; one built against another interface is refused.
constexpr unsigned long HOST_API_VERSION = 0x17700D00UL;

// Why the host calls ModuleEntry.
constexpr unsigned MODULE_DETACH = 0;
constexpr unsigned MODULE_ATTACH = 1;

PLUGIN_EXPORT const char* LibDescription();
PLUGIN_EXPORT int LibNumberClasses();
// The descriptor of class i, 0 <= i < LibNumberClasses(); null otherwise.
PLUGIN_EXPORT ClassDesc* LibClassDesc(int i);
PLUGIN_EXPORT unsigned long LibVersion();
// Called with MODULE_ATTACH right after loading and with MODULE_DETACH right
// before unloading, each time with the module's handle. Returning 0 on attach
// refuses the load.
PLUGIN_EXPORT int ModuleEntry(HINSTANCE module, unsigned reason);

using LibDescriptionFn = decltype(&LibDescription);
using LibNumberClassesFn = decltype(&LibNumberClasses);
using LibClassDescFn = decltype(&LibClassDesc);
using LibVersionFn = decltype(&LibVersion);
using ModuleEntryFn = decltype(&ModuleEntry);
