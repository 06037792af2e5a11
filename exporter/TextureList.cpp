#include "exporter/TextureList.h"

#include "common/Sanitize.h"
#include "common/T3dWriter.h"
#include "exporter/EditorName.h"
#include "exporter/LowerCase.h"
#include "host/scene/Interface.h"
#include "exporter/TextureImport.h"
#include "host/scene/HostClassIds.h"

#include <algorithm>
#include <utility>

namespace {

// The sub-material of a shell material that the exporter looks into.
constexpr int kShellSubMtl = 2;

// A stored path needs at least this many characters to name a bitmap file.
constexpr std::size_t kShortestPath = 5;

// The order in which an entry's bitmaps are imported.
constexpr int kImportOrder[] = {MAP_SLOT_DIFFUSE, MAP_SLOT_OPACITY, MAP_SLOT_SELF_ILLUM};

Texmap* SlotOf(const Mtl* material, int mapChannel) {
    return material ? material->GetSubTexmap(mapChannel) : nullptr;
}

// The diffuse, opacity and self-illumination bitmaps of sub-material index.
void FillEntry(TextureEntry& entry, const Mtl* material, int index) {
    if (const BitmapTex* diffuse = GetBitmap(material, index, MAP_SLOT_DIFFUSE)) {
        entry.diffusePath = diffuse->GetMapName();
        entry.diffuseChannel = diffuse->GetMapChannel();
    }
    if (const BitmapTex* opacity = GetBitmap(material, index, MAP_SLOT_OPACITY)) {
        entry.opacityPath = opacity->GetMapName();
    }
    if (const BitmapTex* selfIllum = GetBitmap(material, index, MAP_SLOT_SELF_ILLUM)) {
        entry.selfIllumPath = selfIllum->GetMapName();
        entry.selfIllumChannel = selfIllum->GetMapChannel();
    }
}

const std::string* PathOf(const TextureEntry& entry, int mapChannel) {
    switch (mapChannel) {
        case MAP_SLOT_DIFFUSE: return &entry.diffusePath;
        case MAP_SLOT_OPACITY: return &entry.opacityPath;
        case MAP_SLOT_SELF_ILLUM: return &entry.selfIllumPath;
        default: return nullptr;
    }
}

// The bitmap's file name without folder and extension, sanitised, whatever
// its length; empty when nothing is left.
std::string BitmapName(const std::string& path) {
    // Our paths may use either folder separator.
    const std::size_t folderEnd = path.find_last_of("\\/");
    std::string fileName = folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
    fileName = fileName.substr(0, fileName.rfind('.'));
    Sanitize(fileName);
    return fileName;
}

}  // namespace

bool ExportRegistry::Add(const Entry& entry) {
    if (entries_.size() >= kCapacity) return false;
    entries_.push_back(entry);
    return true;
}

bool ExportRegistry::SeenMaterial(const Mtl* material) {
    const bool seen = std::any_of(entries_.begin(), entries_.end(),
                                  [material](const Entry& entry) { return entry.material == material; });
    if (!seen) Add({nullptr, nullptr, material});
    return seen;
}

INode* ExportRegistry::FindMeshInstance(INode& node) {
    if (entries_.size() >= kCapacity) return nullptr;
    const Object* object = node.EvalWorldState(0).obj;
    const Mtl* material = node.GetMtl();
    for (const Entry& entry : entries_) {
        if (entry.object == object && entry.material == material) return entry.node;
    }
    Add({&node, object, material});
    return nullptr;
}

std::string ExportRegistry::ClaimMeshName(const INode& node, const std::string& name, const std::string& package) {
    std::string claimed = name;
    for (int number = 2; !meshKeys_.insert(LowerCase(package + "\\" + claimed)).second; ++number) {
        claimed = name + "_" + std::to_string(number);
        FitEditorName(claimed);
    }
    if (claimed != name) renamedMeshes_.insert(&node);
    meshNames_[&node] = claimed;
    return claimed;
}

std::string ExportRegistry::MeshNameOf(const INode& node) const {
    const auto found = meshNames_.find(&node);
    return found == meshNames_.end() ? std::string() : found->second;
}

BitmapTex* GetBitmap(const Mtl* material, int index, int mapChannel) {
    if (!material) return nullptr;
    Texmap* map = nullptr;
    const Class_ID id = material->ClassID();
    if (id == STANDARD_MTL_CLASS_ID) {
        map = SlotOf(material, mapChannel);
    } else if (id == MULTI_MTL_CLASS_ID) {
        // Indices past the last sub-material have none.
        if (index >= 0 && index < material->NumSubMtls()) map = SlotOf(material->GetSubMtl(index), mapChannel);
    } else if (id == SHELL_MTL_CLASS_ID) {
        if (material->NumSubMtls() > 1) map = SlotOf(material->GetSubMtl(kShellSubMtl), mapChannel);
    }
    if (!map || map->ClassID() != BITMAP_TEX_CLASS_ID) return nullptr;
    return static_cast<BitmapTex*>(map);
}

std::int32_t TextureList::BuildTextureList(const Mtl* material, ExportRegistry& registry, T3dWriter& writer,
                                           const std::string& texturePackage, const std::string& group,
                                           Interface& host) {
    textures = {};
    textureCount = -1;
    if (!material) return textureCount;
    const Class_ID id = material->ClassID();
    if (id == MULTI_MTL_CLASS_ID) {
        const int count = std::min(material->NumSubMtls(), kMaxEntries);
        for (int i = 0; i < count; ++i) FillEntry(textures[static_cast<std::size_t>(i)], material, i);
        textureCount = count;
    } else if (id == STANDARD_MTL_CLASS_ID || id == SHELL_MTL_CLASS_ID) {
        // Without a diffuse bitmap the material is not listed at all.
        if (!GetBitmap(material, 0, MAP_SLOT_DIFFUSE)) return textureCount;
        FillEntry(textures[0], material, 0);
        textureCount = 1;
    }
    if (!registry.SeenMaterial(material) && textureCount > 0) {
        WriteTextureImports(writer, texturePackage, group, host);
    }
    return textureCount;
}

void TextureList::WriteTextureImports(T3dWriter& writer, const std::string& texturePackage,
                                      const std::string& group, Interface& host) const {
    for (int i = 0; i < textureCount; ++i) {
        for (const int mapChannel : kImportOrder) {
            std::string name;
            if (!GetTextureName(i, mapChannel, name)) continue;
            const std::string& path = *PathOf(textures[static_cast<std::size_t>(i)], mapChannel);
            if (BitmapName(path).size() > kEditorNameMax) {
                host.Warn("name too long", "bitmap \"" + path + "\" has a name longer than the editor's " +
                                               std::to_string(kEditorNameMax) + " characters: it is imported as " +
                                               name);
            }
            WriteTextureImport(path, name, texturePackage, group, writer, host);
        }
    }
}

const TextureEntry* TextureList::LookupEntry(int index) const {
    const int last = textureCount - 1;
    if (last < 0) return nullptr;
    return &textures[static_cast<std::size_t>(std::min(std::max(index, 0), last))];
}

bool TextureList::GetTexturePath(int index, int mapChannel, std::string& path) const {
    const TextureEntry* entry = LookupEntry(index);
    if (!entry) return false;
    const std::string* stored = PathOf(*entry, mapChannel);
    if (!stored || stored->size() < kShortestPath) return false;
    path = *stored;
    return true;
}

bool TextureList::GetTextureName(int index, int mapChannel, std::string& name) const {
    std::string path;
    if (!GetTexturePath(index, mapChannel, path)) return false;
    std::string fileName = BitmapName(path);
    if (fileName.empty()) return false;
    FitEditorName(fileName);
    name = std::move(fileName);
    return true;
}

std::int32_t TextureList::GetTextureChannel(int index, int mapChannel) const {
    const TextureEntry* entry = LookupEntry(index);
    if (!entry) return 0;
    switch (mapChannel) {
        case MAP_SLOT_DIFFUSE: return entry->diffuseChannel;
        case MAP_SLOT_SELF_ILLUM: return entry->selfIllumChannel;
        default: return -1;
    }
}
