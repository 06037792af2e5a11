// corvatrix classes: what the host loaded from its plug-in folder.

#include "corvatrix/Commands.h"
#include "corvatrix/PluginSession.h"

#include <cstdio>

namespace {

const char* SuperClassName(SClass_ID superClass) {
    switch (superClass) {
        case GEOMOBJECT_CLASS_ID: return "geometric object";
        case HELPER_CLASS_ID: return "helper object";
        case LIGHT_CLASS_ID: return "light";
        case OSM_CLASS_ID: return "modifier";
        case SCENE_EXPORT_CLASS_ID: return "scene export";
        default: return "other";
    }
}

}  // namespace

int RunClasses(const CommandLine& line, const std::string& programPath) {
    PluginSession plugins(line, programPath);
    const auto& modules = plugins.Manager().Modules();
    std::printf("Plug-in folder: %s\n", plugins.Folder().c_str());
    if (modules.empty()) std::printf("No plug-in modules loaded.\n");
    for (const LoadedModule& module : modules) {
        std::printf("%s: %s\n", module.fileName.c_str(), module.description.c_str());
        for (const ClassDesc* desc : module.classes) {
            Class_ID id = desc->ClassID();
            std::printf("  %-20s %-16s (0x%08X, 0x%08X)  %s\n", desc->ClassName(), SuperClassName(desc->SuperClassID()),
                        id.PartA(), id.PartB(), desc->InternalName());
        }
    }
    return kExitDone;
}
