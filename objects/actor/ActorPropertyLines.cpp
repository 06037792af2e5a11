#include "objects/actor/ActorPropertyLines.h"

#include "common/T3dWriter.h"
#include "objects/cxa/ActorDef.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxEnumItemText = 64;

void WriteEnumLine(const ActorPropDef& prop, std::int32_t value, T3dWriter& writer) {
    const std::vector<std::string_view> items = cxa::EnumItems(prop.enumValues.View());
    if (value < 0 || static_cast<std::size_t>(value) >= items.size()) return;
    writer.WriteString(prop.t3dName.View(), items[static_cast<std::size_t>(value)].substr(0, kMaxEnumItemText), false);
}

}  // namespace

void WriteActorPropertyLines(const ActorDef& def, T3dWriter& writer) {
    for (int i = 0; i < def.Count(); ++i) {
        const ActorPropDef& prop = def.properties[i];
        const ValueCell value = def.values[i];
        switch (prop.type) {
            case cxa::kBoolean: writer.WriteString(prop.t3dName.View(), value.AsInt() ? "True" : "False", false); break;
            case cxa::kInteger:
            case cxa::kByte: writer.WriteLong(prop.t3dName.View(), value.AsInt()); break;
            case cxa::kFloat: writer.WriteFloat(prop.t3dName.View(), value.AsFloat()); break;
            case cxa::kEnum: WriteEnumLine(prop, value.AsInt(), writer); break;
            default: break;
        }
    }
}
