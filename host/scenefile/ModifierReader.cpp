#include "host/scenefile/ModifierReader.h"

#include "host/scene/Modifier.h"
#include "host/scene/Scene.h"
#include "host/scenefile/PluginEntries.h"

#include <string>

namespace scenefile {

Modifier* ReadModifier(const JsonCursor& modifier, ReadContext& context) {
    const JsonCursor type = modifier.Key("type");
    const std::string name = type.Utf8();
    if (name == "other") {
        modifier.ExpectKeys({"type", "name"});
        return context.scene.Adopt(new OtherModifier(modifier.Key("name").Text()));
    }
    if (Modifier* made = ReadPluginModifier(modifier, name, context)) return made;
    FailUnknownType(modifier, type, "modifier", context);
}

}  // namespace scenefile
