#include "host/scenefile/ModifierReader.h"

#include "host/scene/Modifier.h"
#include "host/scene/Scene.h"
#include "host/scenefile/PluginTypes.h"

#include <string>

namespace scenefile {

Modifier* ReadModifier(const JsonCursor& modifier, ReadContext& context) {
    const JsonCursor type = modifier.Key("type");
    const std::string name = type.Utf8();
    if (name == "other") {
        modifier.ExpectKeys({"type", "name"});
        return context.scene.Adopt(new OtherModifier(modifier.Key("name").Text()));
    }
    if (const auto* pluginType = FindPluginModifierType(name)) {
        return RequireReader(modifier, *pluginType)(modifier, context);
    }
    type.Fail("unknown modifier type \"" + name + "\"");
}

}  // namespace scenefile
