#include "modifiers/ModifierClassDescs.h"

#include "modifiers/ModifierSceneKeys.h"
#include "modifiers/UnrealBrushModifier.h"
#include "modifiers/UnrealMoverModifier.h"
#include "modifiers/UnrealPropertiesModifier.h"

namespace {

HINSTANCE moduleInstance = nullptr;

// Every class of the module is a public object-space modifier in the
// module's category; a new instance has the class's defaults.
template <class Concrete, const scenefile::SceneKeyReader& (*keys)()>
class ModifierClassDesc : public ClassDesc2 {
public:
    bool IsPublic() const override { return true; }
    Animatable* Create(bool) override { return new Concrete(); }
    const char* ClassName() const override { return Concrete::kClassName; }
    const char* Category() const override { return "corvatrix"; }
    SClass_ID SuperClassID() const override { return OSM_CLASS_ID; }
    Class_ID ClassID() const override { return Concrete::kClassId; }
    const char* InternalName() const override { return Concrete::kInternalName; }
    HINSTANCE HInstance() const override { return moduleInstance; }
    const scenefile::SceneKeyReader* SceneKeys() const override { return &keys(); }
};

}  // namespace

void KeepModuleInstance(HINSTANCE module) { moduleInstance = module; }

ClassDesc2* PropertiesClassDesc() {
    static ModifierClassDesc<UnrealPropertiesModifier, PropertiesKeys> desc;
    return &desc;
}

ClassDesc2* BrushClassDesc() {
    static ModifierClassDesc<UnrealBrushModifier, BrushKeys> desc;
    return &desc;
}

ClassDesc2* MoverClassDesc() {
    static ModifierClassDesc<UnrealMoverModifier, MoverKeys> desc;
    return &desc;
}
