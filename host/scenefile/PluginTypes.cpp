#include "host/scenefile/PluginTypes.h"

#include "common/PluginClassIds.h"
#include "host/core/ClassDirectory.h"
#include "host/scenefile/ActorKeys.h"
#include "host/scenefile/ModifierKeys.h"
#include "host/scenefile/TriggerKeys.h"

#include <cstddef>
#include <string>

namespace scenefile {
namespace {

constexpr const char* kObjectModule = "corvatrix.dlo";
constexpr const char* kModifierModule = "corvatrix.dlm";

constexpr PluginType<PluginObjectReader> kObjectTypes[] = {
    {"Actor", {kObjectModule, "object", GEOMOBJECT_CLASS_ID, ACTOR_HELPER_CLASS_ID}, ReadActorObject},
    {"Trigger", {kObjectModule, "object", HELPER_CLASS_ID, TRIGGER_HELPER_CLASS_ID}, ReadTriggerObject},
};

constexpr PluginType<PluginModifierReader> kModifierTypes[] = {
    {"Unreal Properties", {kModifierModule, "modifier", OSM_CLASS_ID, CXMOD_CLASS_ID}, ReadPropertiesModifier},
    {"Unreal Brush", {kModifierModule, "modifier", OSM_CLASS_ID, BRUSH_MODIFIER_CLASS_ID}, ReadBrushModifier},
    {"Unreal Mover", {kModifierModule, "modifier", OSM_CLASS_ID, MOVER_MODIFIER_CLASS_ID}, ReadMoverModifier},
};

template <class Reader, std::size_t N>
const PluginType<Reader>* FindIn(const PluginType<Reader> (&types)[N], std::string_view name) {
    for (const PluginType<Reader>& type : types) {
        if (name == type.name) return &type;
    }
    return nullptr;
}

}  // namespace

const PluginType<PluginObjectReader>* FindPluginObjectType(std::string_view name) { return FindIn(kObjectTypes, name); }

const PluginType<PluginModifierReader>* FindPluginModifierType(std::string_view name) {
    return FindIn(kModifierTypes, name);
}

void RequirePluginType(const JsonCursor& at, std::string_view name, const PluginClass& pluginClass, bool hasReader) {
    const std::string type = "type \"" + std::string(name) + "\"";
    if (ClassDirectory::Host().Find(pluginClass.superClass, pluginClass.classId) == nullptr) {
        at.Fail(type + " needs the " + pluginClass.moduleKind + " plug-in " + pluginClass.moduleFile +
                ", which is not loaded");
    }
    if (!hasReader) at.Fail(type + ": reading its keys from a scene file is not supported yet");
}

}  // namespace scenefile
