#include "objects/ObjectClassDescs.h"

#include "objects/actor/ActorHelperObject.h"
#include "objects/actor/ActorSceneKeys.h"
#include "objects/cxa/ActorLibrary.h"
#include "objects/trigger/TriggerHelperObject.h"
#include "objects/trigger/TriggerSceneKeys.h"

namespace {

HINSTANCE moduleInstance = nullptr;

// Both helpers are public classes of the module's category in the create panel.
class ObjectClassDesc : public ClassDesc2 {
public:
    bool IsPublic() const override { return true; }
    const char* Category() const override { return "corvatrix"; }
    HINSTANCE HInstance() const override { return moduleInstance; }
};

class ActorDesc : public ObjectClassDesc {
public:
    Animatable* Create(bool) override { return new ActorHelperObject(TheActorLibrary()); }
    const char* ClassName() const override { return ActorHelperObject::kClassName; }
    SClass_ID SuperClassID() const override { return GEOMOBJECT_CLASS_ID; }
    Class_ID ClassID() const override { return ACTOR_HELPER_CLASS_ID; }
    const char* InternalName() const override { return ActorHelperObject::kInternalName; }
    const scenefile::SceneKeyReader* SceneKeys() const override { return &ActorKeys(); }
};

class TriggerDesc : public ObjectClassDesc {
public:
    Animatable* Create(bool) override { return new TriggerHelperObject(); }
    const char* ClassName() const override { return TriggerHelperObject::kClassName; }
    SClass_ID SuperClassID() const override { return HELPER_CLASS_ID; }
    Class_ID ClassID() const override { return TRIGGER_HELPER_CLASS_ID; }
    const char* InternalName() const override { return TriggerHelperObject::kInternalName; }
    const scenefile::SceneKeyReader* SceneKeys() const override { return &TriggerKeys(); }
};

}  // namespace

void KeepObjectModuleInstance(HINSTANCE module) { moduleInstance = module; }

ActorLibrary& TheActorLibrary() {
    static ActorLibrary library;
    return library;
}

ClassDesc2* TriggerClassDesc() {
    static TriggerDesc desc;
    return &desc;
}

ClassDesc2* ActorClassDesc() {
    static ActorDesc desc;
    return &desc;
}
