#include "host/scenefile/MaterialReader.h"

#include "host/scene/Mtl.h"
#include "host/scene/Scene.h"
#include "host/scenefile/MaterialReferences.h"
#include "host/scenefile/TexmapReader.h"

#include <optional>
#include <string>
#include <vector>

namespace scenefile {
namespace {

struct MapSlotKey {
    const char* key;
    int slot;
};

constexpr MapSlotKey kStandardMaps[] = {
    {"diffuse", MAP_SLOT_DIFFUSE},
    {"opacity", MAP_SLOT_OPACITY},
    {"selfIllumination", MAP_SLOT_SELF_ILLUM},
};

Mtl* ReadStandard(const JsonCursor& material, ReadContext& context) {
    material.ExpectKeys({"name", "type", "diffuse", "opacity", "selfIllumination"});
    auto* standard = context.scene.Adopt(new StdMtl());
    for (const MapSlotKey& map : kStandardMaps) {
        if (const std::optional<JsonCursor> texmap = material.Find(map.key)) {
            standard->SetSubTexmap(map.slot, ReadTexmap(*texmap, context));
        }
    }
    return standard;
}

// The sub-materials are linked when all materials exist.
Mtl* ReadComposite(const JsonCursor& material, ReadContext& context, CompositeMtlType type,
                   std::vector<SubMaterialList>& lists) {
    material.ExpectKeys({"name", "type", "subMaterials"});
    auto* composite = context.scene.Adopt(new CompositeMtl(type));
    if (const std::optional<JsonCursor> names = material.Find("subMaterials")) {
        lists.push_back(SubMaterialList{composite, material.Key("name").Utf8(), *names});
    }
    return composite;
}

Mtl* ReadOfType(const JsonCursor& material, ReadContext& context, std::vector<SubMaterialList>& lists) {
    const JsonCursor type = material.Key("type");
    const std::string name = type.Utf8();
    if (name == "standard") return ReadStandard(material, context);
    if (name == "multi") return ReadComposite(material, context, CompositeMtlType::MultiSubObject, lists);
    if (name == "shell") return ReadComposite(material, context, CompositeMtlType::Shell, lists);
    if (name == "other") {
        material.ExpectKeys({"name", "type"});
        return context.scene.Adopt(new OtherMtl());
    }
    type.Fail("unknown material type \"" + name + "\" (standard, multi, shell or other)");
}

}  // namespace

void ReadMaterials(const JsonCursor& materials, ReadContext& context) {
    std::vector<SubMaterialList> lists;
    for (std::size_t i = 0; i < materials.Size(); ++i) {
        const JsonCursor material = materials.Element(i);
        const JsonCursor name = material.Key("name");
        Mtl* mtl = ReadOfType(material, context, lists);
        mtl->SetName(name.Text());
        if (!context.materials.emplace(mtl->GetName(), mtl).second) {
            name.Fail("duplicate material name \"" + name.Utf8() + "\"");
        }
    }
    LinkSubMaterials(lists, context.materials);
}

}  // namespace scenefile
