// The entry points of corvatrix.dle. The options live as long as the module
// is loaded: read when it loads, written back when it unloads if they differ
// from the stored ones (a session that changed nothing leaves the file alone).

#include "common/PluginClassIds.h"
#include "common/ExportOptions.h"
#include "exporter/ExporterStrings.h"
#include "exporter/T3dExporter.h"
#include "host/core/PluginEntry.h"

#include <memory>

namespace {

HINSTANCE moduleInstance = nullptr;
std::unique_ptr<ExportOptions> moduleOptions;

class T3dExporterClassDesc : public ClassDesc2 {
public:
    bool IsPublic() const override { return true; }
    Animatable* Create(bool) override { return new T3dExporter(*moduleOptions); }
    const char* ClassName() const override { return LoadResString(IDS_CLASS_NAME).data(); }
    const char* Category() const override { return LoadResString(IDS_CATEGORY).data(); }
    SClass_ID SuperClassID() const override { return SCENE_EXPORT_CLASS_ID; }
    Class_ID ClassID() const override { return T3D_EXPORTER_CLASS_ID; }
    const char* InternalName() const override { return "T3d_export"; }
    HINSTANCE HInstance() const override { return moduleInstance; }
};

T3dExporterClassDesc classDesc;

}  // namespace

PLUGIN_EXPORT const char* LibDescription() { return LoadResString(IDS_LIBDESCRIPTION).data(); }
PLUGIN_EXPORT int LibNumberClasses() { return 1; }
PLUGIN_EXPORT ClassDesc* LibClassDesc(int i) { return i == 0 ? &classDesc : nullptr; }
PLUGIN_EXPORT unsigned long LibVersion() { return HOST_API_VERSION; }

PLUGIN_EXPORT int ModuleEntry(HINSTANCE module, unsigned reason) {
    moduleInstance = module;
    if (reason == MODULE_ATTACH && !moduleOptions) {
        moduleOptions = std::make_unique<ExportOptions>();
    } else if (reason == MODULE_DETACH && moduleOptions) {
        if (moduleOptions->Listing() != ExportOptions().Listing()) moduleOptions->Save();
        moduleOptions.reset();
    }
    return 1;
}
