#include "host/gltf/GltfMaterials.h"

#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/GltfImages.h"
#include "host/gltf/GltfNames.h"
#include "host/scene/Mtl.h"
#include "host/scene/Scene.h"
#include "host/scene/Texmap.h"

#include <tiny_gltf.h>

#include <string>

namespace gltf {
namespace {

constexpr int kMaxMapChannel = 99;

// A bitmap of the texture's image on the map channel of texCoord.
Texmap* BitmapOf(int texture, int texCoord, const std::string& materialName, GltfContext& context) {
    const tinygltf::Model& model = context.model;
    if (texture < 0 || static_cast<std::size_t>(texture) >= model.textures.size()) {
        throw GltfError("texture " + std::to_string(texture) + " is not there");
    }
    if (texCoord < 0 || texCoord >= kMaxMapChannel) {
        throw GltfError("texture coordinate set " + std::to_string(texCoord) + " is out of range");
    }
    const int source = model.textures[static_cast<std::size_t>(texture)].source;
    if (source < 0) return nullptr;
    const ImageFile& image = ImageFileOf(source, materialName, context);
    auto* bitmap = context.scene.Adopt(new BitmapTex());
    bitmap->SetMapName(image.mapName);
    bitmap->SetMapChannel(texCoord + 1);
    bitmap->SetSize(image.width, image.height);
    return bitmap;
}

Mtl* ReadMaterial(int index, GltfContext& context) {
    const tinygltf::Material& material = context.model.materials[static_cast<std::size_t>(index)];
    const std::string name = material.name.empty() ? "Material_" + std::to_string(index) : material.name;
    auto* standard = context.scene.Adopt(new StdMtl());
    standard->SetName(HostText(name, context));
    const tinygltf::TextureInfo& base = material.pbrMetallicRoughness.baseColorTexture;
    if (base.index >= 0) {
        standard->SetSubTexmap(MAP_SLOT_DIFFUSE, BitmapOf(base.index, base.texCoord, name, context));
        if (material.alphaMode == "MASK" || material.alphaMode == "BLEND") {
            standard->SetSubTexmap(MAP_SLOT_OPACITY, BitmapOf(base.index, base.texCoord, name, context));
        }
    }
    const tinygltf::TextureInfo& emissive = material.emissiveTexture;
    if (emissive.index >= 0) {
        standard->SetSubTexmap(MAP_SLOT_SELF_ILLUM, BitmapOf(emissive.index, emissive.texCoord, name, context));
    }
    return standard;
}

}  // namespace

Mtl* MaterialOf(int index, GltfContext& context) {
    if (index < 0) return nullptr;
    if (static_cast<std::size_t>(index) >= context.model.materials.size()) {
        throw GltfError("material " + std::to_string(index) + " is not there");
    }
    if (const auto known = context.materials.find(index); known != context.materials.end()) return known->second;
    try {
        Mtl* mtl = ReadMaterial(index, context);
        return context.materials.emplace(index, mtl).first->second;
    } catch (const GltfError& fault) {
        throw GltfError("material " + std::to_string(index) + ": " + fault.what());
    }
}

Mtl* MeshMaterial(const std::vector<int>& materials, const std::string& meshName, GltfContext& context) {
    if (materials.size() == 1) return MaterialOf(materials.front(), context);
    if (materials.empty()) return nullptr;
    auto* multi = context.scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    multi->SetName(meshName);
    for (int material : materials) multi->AddSubMtl(MaterialOf(material, context));
    return multi;
}

}  // namespace gltf
