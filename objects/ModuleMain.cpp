// The entry points of corvatrix.dlo: the trigger and actor helper classes,
// and the actor library, built from the cxActors folder beside the module.

#include "host/core/PluginEntry.h"
#include "host/os/Files.h"
#include "host/ui/CustomControls.h"
#include "objects/ObjectClassDescs.h"
#include "objects/cxa/ActorLibrary.h"

#include <cstdio>
#include <string>

namespace {

// A definition that cannot be used is left out of the library; the artist
// learns which and why.
void BuildLibrary() {
    ActorLibrary& library = TheActorLibrary();
    if (library.IsBuilt()) return;
    library.Build(ActorFolderBeside(os::ModulePath(reinterpret_cast<const void*>(&ModuleEntry))));
    for (const std::string& warning : library.Warnings()) {
        std::fprintf(stderr, "corvatrix.dlo: skipped %s\n", warning.c_str());
    }
}

}  // namespace

PLUGIN_EXPORT const char* LibDescription() { return "corvatrix: Objects to export different types of Unreal Actors"; }

PLUGIN_EXPORT int LibNumberClasses() { return 2; }

PLUGIN_EXPORT ClassDesc* LibClassDesc(int i) {
    switch (i) {
        case 0: return TriggerClassDesc();
        case 1: return ActorClassDesc();
        default: return nullptr;
    }
}

PLUGIN_EXPORT unsigned long LibVersion() { return HOST_API_VERSION; }

PLUGIN_EXPORT int ModuleEntry(HINSTANCE module, unsigned reason) {
    static bool controlsReady = false;
    KeepObjectModuleInstance(module);
    if (!controlsReady) {
        // The property pages use the host's spinners, edits and swatches.
        ui::InitCustomControls();
        controlsReady = true;
    }
    if (reason == MODULE_ATTACH) BuildLibrary();
    return 1;
}
