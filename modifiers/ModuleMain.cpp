// The entry points of corvatrix.dlm: three modifier classes, the common
// actor properties first.

#include "host/core/PluginEntry.h"
#include "host/ui/CustomControls.h"
#include "modifiers/ModifierClassDescs.h"

PLUGIN_EXPORT const char* LibDescription() { return "corvatrix: Modifiers to export mesh as an Unreal Brush or Mover"; }

PLUGIN_EXPORT int LibNumberClasses() { return 3; }

PLUGIN_EXPORT ClassDesc* LibClassDesc(int i) {
    switch (i) {
        case 0: return PropertiesClassDesc();
        case 1: return MoverClassDesc();
        case 2: return BrushClassDesc();
        default: return nullptr;
    }
}

PLUGIN_EXPORT unsigned long LibVersion() { return HOST_API_VERSION; }

PLUGIN_EXPORT int ModuleEntry(HINSTANCE module, unsigned) {
    static bool controlsReady = false;
    KeepModuleInstance(module);
    if (!controlsReady) {
        // The pages use the host's spinners and edits.
        ui::InitCustomControls();
        controlsReady = true;
    }
    return 1;
}
