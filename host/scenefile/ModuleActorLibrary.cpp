#include "host/scenefile/ModuleActorLibrary.h"

#include "common/PluginClassIds.h"
#include "host/core/ClassDirectory.h"
#include "host/os/Files.h"

ActorLibrary ModuleActorLibrary() {
    ActorLibrary library;
    const ClassDesc* desc = ClassDirectory::Host().Find(GEOMOBJECT_CLASS_ID, ACTOR_HELPER_CLASS_ID);
    if (!desc) return library;
    // The descriptor lives in the module's own data, so its address names the module file.
    const std::string module = os::ModulePath(desc);
    const std::size_t cut = module.find_last_of('/');
    library.Build((cut == std::string::npos ? std::string(".") : module.substr(0, cut)) + "/cxActors");
    return library;
}
