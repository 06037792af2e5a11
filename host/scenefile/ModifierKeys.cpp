#include "host/scenefile/ModifierKeys.h"

#include "common/PluginClassIds.h"
#include "host/core/ClassDirectory.h"
#include "host/scene/Modifier.h"
#include "host/scene/Scene.h"
#include "host/scenefile/ModifierKeysProperties.h"
#include "modifiers/BrushValueTable.h"
#include "modifiers/MoverValueTable.h"

#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>

namespace scenefile {
namespace {

namespace bv = brush_values;
namespace mv = mover_values;

struct PluginModifier {
    Modifier* modifier;
    IParamArray& values;
};

// A type's reader runs only while its module is loaded, so the class is in
// the directory; its descriptor may still make nothing. The parameter array
// is a further base of the module's classes, found through the object's
// type information.
PluginModifier MakeModifier(const JsonCursor& at, ReadContext& context, Class_ID id) {
    Animatable* made = ClassDirectory::Host().Create(OSM_CLASS_ID, id, false);
    if (!made) at.Fail("the modifier plug-in could not make the modifier");
    auto* modifier = context.scene.Adopt(static_cast<Modifier*>(made));
    auto* values = dynamic_cast<IParamArray*>(made);
    if (!values) at.Fail("the modifier plug-in's modifier has no parameters to set");
    return {modifier, *values};
}

void ReadProperties(const JsonCursor& modifier, const std::vector<PropertyKey>& keys, IParamArray& values) {
    if (const std::optional<JsonCursor> properties = modifier.Find("properties")) {
        ApplyProperties(*properties, keys, values);
    }
}

void ReadChoiceKey(const JsonCursor& modifier, std::string_view key, const bv::Choice& choice, IParamArray& values) {
    if (const std::optional<JsonCursor> value = modifier.Find(key)) {
        SetParameter(*value, values, choice.index, ReadChoice(*value, choice));
    }
}

std::string Hex(std::uint32_t bits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08" PRIX32, bits);
    return text;
}

// A list of check-box labels, or the bits as one number.
std::uint32_t ReadPolyFlags(const JsonCursor& flags) {
    if (!flags.IsArray()) {
        const auto bits = static_cast<std::uint32_t>(flags.Integer(0, UINT32_MAX));
        const std::uint32_t strange = bits & ~bv::AllPolyFlagBits();
        if (strange != 0) {
            flags.Fail("bits " + Hex(strange) + " are no polygon flags (the check boxes set bits of " +
                       Hex(bv::AllPolyFlagBits()) + ")");
        }
        return bits;
    }
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < flags.Size(); ++i) {
        const JsonCursor label = flags.Element(i);
        const std::string text = label.Utf8();
        const bv::PolyFlag* found = nullptr;
        for (const bv::PolyFlag& flag : bv::kPolyFlags) {
            if (text == flag.label) found = &flag;
        }
        if (!found) label.Fail("\"" + text + "\" is no polygon flag check box");
        bits |= found->bit;
    }
    return bits;
}

// Each click on a polygon flag's box toggles it, so only the boxes still
// clear are clicked.
void CheckPolyFlags(const JsonCursor& at, std::uint32_t bits, IParamArray& values) {
    for (const bv::PolyFlag& flag : bv::kPolyFlags) {
        int checked = 0;
        values.GetValue(bv::PolyFlagIndex(flag), 0, checked);
        if ((bits & flag.bit) != 0 && checked == 0) SetParameter(at, values, bv::PolyFlagIndex(flag), 1);
    }
}

void ReadRtKey(const JsonCursor& modifier, std::string_view key, const mv::Spinner& spinner, IParamArray& values) {
    if (const std::optional<JsonCursor> value = modifier.Find(key)) {
        SetParameter(*value, values, spinner.index, ReadInteger(*value, spinner));
    }
}

}  // namespace

Modifier* ReadPropertiesModifier(const JsonCursor& modifier, ReadContext& context) {
    modifier.ExpectKeys({"type", "properties"});
    const PluginModifier made = MakeModifier(modifier, context, CXMOD_CLASS_ID);
    ReadProperties(modifier, CommonPropertyKeys(), made.values);
    return made.modifier;
}

Modifier* ReadBrushModifier(const JsonCursor& modifier, ReadContext& context) {
    modifier.ExpectKeys({"type", "brushType", "csgOperation", "polyFlags", "properties"});
    const PluginModifier made = MakeModifier(modifier, context, BRUSH_MODIFIER_CLASS_ID);
    ReadChoiceKey(modifier, "brushType", bv::kBrushType, made.values);
    ReadChoiceKey(modifier, "csgOperation", bv::kCsgOperation, made.values);
    if (const std::optional<JsonCursor> flags = modifier.Find("polyFlags")) {
        CheckPolyFlags(*flags, ReadPolyFlags(*flags), made.values);
    }
    ReadProperties(modifier, CommonPropertyKeys(), made.values);
    return made.modifier;
}

Modifier* ReadMoverModifier(const JsonCursor& modifier, ReadContext& context) {
    modifier.ExpectKeys({"type", "properties", "worldRTKey", "brushRTKey", "isLeader"});
    const PluginModifier made = MakeModifier(modifier, context, MOVER_MODIFIER_CLASS_ID);
    ReadProperties(modifier, MoverPropertyKeys(), made.values);
    ReadRtKey(modifier, "worldRTKey", mv::kWorldRtKey, made.values);
    ReadRtKey(modifier, "brushRTKey", mv::kBrushRtKey, made.values);
    if (const std::optional<JsonCursor> leader = modifier.Find("isLeader")) {
        SetParameter(*leader, made.values, mv::kIsLeader.index, leader->Bool() ? 1 : 0);
    }
    return made.modifier;
}

}  // namespace scenefile
