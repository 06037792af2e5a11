#include "host/scenefile/ModuleActorLibrary.h"

#include "common/PluginClassIds.h"
#include "host/core/ClassDirectory.h"
#include "host/os/Files.h"

ActorLibrary ModuleActorLibrary() {
    ActorLibrary library;
    const ClassDesc* desc = ClassDirectory::Host().Find(GEOMOBJECT_CLASS_ID, ACTOR_HELPER_CLASS_ID);
    if (!desc) return library;
    // The descriptor lives in the module's own data, so its address names the module file.
    library.Build(ActorFolderBeside(os::ModulePath(desc)));
    return library;
}
