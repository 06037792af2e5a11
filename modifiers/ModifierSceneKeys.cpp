#include "modifiers/ModifierSceneKeys.h"

#include "host/scenekeys/JsonCursor.h"
#include "modifiers/BrushValueTable.h"
#include "modifiers/MoverValueTable.h"
#include "modifiers/PropertySceneKeys.h"
#include "modifiers/UnrealBrushModifier.h"
#include "modifiers/UnrealMoverModifier.h"
#include "modifiers/UnrealPropertiesModifier.h"

#include <cinttypes>
#include <cstdio>
#include <optional>
#include <string>

namespace {

using scenefile::JsonCursor;
using namespace property_keys;

namespace bv = brush_values;
namespace mv = mover_values;

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

// Each modifier reads its keys into its own parameter array, as its rollup
// pages would set them.
template <class Concrete>
class ModifierKeys : public scenefile::SceneKeyReader {
public:
    using Reader = void (*)(const JsonCursor& modifier, IParamArray& values);
    explicit ModifierKeys(Reader read) : read_(read) {}
    const char* SceneType() const override { return Concrete::kClassName; }
    void ReadKeys(Animatable& made, const JsonCursor& modifier, scenefile::SceneKeyContext&) const override {
        read_(modifier, static_cast<Concrete&>(made));
    }

private:
    Reader read_;
};

void ReadPropertiesKeys(const JsonCursor& modifier, IParamArray& values) {
    modifier.ExpectKeys({"type", "properties"});
    ReadProperties(modifier, CommonPropertyKeys(), values);
}

void ReadBrushKeys(const JsonCursor& modifier, IParamArray& values) {
    modifier.ExpectKeys({"type", "brushType", "csgOperation", "polyFlags", "properties"});
    ReadChoiceKey(modifier, "brushType", bv::kBrushType, values);
    ReadChoiceKey(modifier, "csgOperation", bv::kCsgOperation, values);
    if (const std::optional<JsonCursor> flags = modifier.Find("polyFlags")) {
        CheckPolyFlags(*flags, ReadPolyFlags(*flags), values);
    }
    ReadProperties(modifier, CommonPropertyKeys(), values);
}

void ReadMoverKeys(const JsonCursor& modifier, IParamArray& values) {
    modifier.ExpectKeys({"type", "properties", "worldRTKey", "brushRTKey", "isLeader"});
    ReadProperties(modifier, MoverPropertyKeys(), values);
    ReadRtKey(modifier, "worldRTKey", mv::kWorldRtKey, values);
    ReadRtKey(modifier, "brushRTKey", mv::kBrushRtKey, values);
    if (const std::optional<JsonCursor> leader = modifier.Find("isLeader")) {
        SetParameter(*leader, values, mv::kIsLeader.index, leader->Bool() ? 1 : 0);
    }
}

}  // namespace

const scenefile::SceneKeyReader& PropertiesKeys() {
    static const ModifierKeys<UnrealPropertiesModifier> keys(ReadPropertiesKeys);
    return keys;
}

const scenefile::SceneKeyReader& BrushKeys() {
    static const ModifierKeys<UnrealBrushModifier> keys(ReadBrushKeys);
    return keys;
}

const scenefile::SceneKeyReader& MoverKeys() {
    static const ModifierKeys<UnrealMoverModifier> keys(ReadMoverKeys);
    return keys;
}
