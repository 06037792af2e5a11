// corvatrix classes: what the host loaded from its plug-in folder.

#include "common/PluginClassIds.h"
#include "corvatrix/Commands.h"
#include "corvatrix/PluginSession.h"
#include "host/core/ClassDirectory.h"
#include "host/os/Files.h"
#include "objects/cxa/ActorLibrary.h"

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

// The classes the "Actor" object offers, when the object module is loaded:
// the definitions in the folder beside the module's file, read as the
// module reads them.
void PrintActorLibrary() {
    const ClassDesc* desc = ClassDirectory::Host().Find(GEOMOBJECT_CLASS_ID, ACTOR_HELPER_CLASS_ID);
    if (!desc) return;
    ActorLibrary library;
    // The descriptor lives in the module's own data, so its address names the module file.
    library.Build(ActorFolderBeside(os::ModulePath(desc)));
    std::printf("Actor library: %s\n", library.Folder().c_str());
    if (library.Count() == 0) std::printf("  no actor definitions\n");
    for (int i = 0; i < library.Count(); ++i) {
        const std::string fileName(library.FileName(i));
        const std::string className(library.ClassName(i));
        std::printf("  %-24s %s\n", fileName.c_str(), className.c_str());
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
    PrintActorLibrary();
    return kExitDone;
}
