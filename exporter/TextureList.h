#pragma once
// The bitmaps of a node's material, one entry per sub-material, and the
// per-export table that remembers which materials have had their textures
// imported and which static meshes have been written.

#include "host/scene/INode.h"
#include "host/scene/Mtl.h"
#include "host/scene/Object.h"
#include "host/scene/Texmap.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

class Interface;
class T3dWriter;

// The bitmaps of one sub-material. A channel is the mesh's texture-coordinate
// channel of that bitmap, -1 when there is no such bitmap.
struct TextureEntry {
    std::string diffusePath;
    std::string opacityPath;
    std::string selfIllumPath;
    std::int32_t diffuseChannel = -1;
    std::int32_t selfIllumChannel = -1;
};

// Materials and static-mesh instances seen so far in one export. The table
// is bounded and searched linearly; once full, every material counts as new
// and every mesh as the first of its kind.
class ExportRegistry {
public:
    static constexpr std::size_t kCapacity = 4096;

    // True when material is already listed; otherwise lists it (while there
    // is room) and returns false.
    bool SeenMaterial(const Mtl* material);
    // The first node entered with the same evaluated object (time 0) and
    // material as node; null when there is none, and then node is entered
    // (while there is room).
    INode* FindMeshInstance(INode& node);

    std::size_t Count() const { return entries_.size(); }

    // The static mesh name of node, whose mesh goes into package: name
    // itself, or when another mesh of that package has it (the editor and
    // the file system ignore case) the first of name_2, name_3, ... that is
    // free, shortened to the editor's limit.
    std::string ClaimMeshName(const INode& node, const std::string& name, const std::string& package);
    // The name ClaimMeshName gave node's mesh; empty when it gave none.
    std::string MeshNameOf(const INode& node) const;
    // True when ClaimMeshName had to give node's mesh a name of its own.
    bool MeshRenamed(const INode& node) const { return renamedMeshes_.count(&node) != 0; }

    // The static-mesh files written so far.
    void CountAseFile() { ++aseFiles_; }
    int AseFileCount() const { return aseFiles_; }

private:
    struct Entry {
        INode* node;
        const Object* object;
        const Mtl* material;
    };

    bool Add(const Entry& entry);

    std::vector<Entry> entries_;
    int aseFiles_ = 0;
    // "<package>\<name>" of every mesh named, in lower case.
    std::set<std::string> meshKeys_;
    std::map<const INode*, std::string> meshNames_;
    std::set<const INode*> renamedMeshes_;
};

// The bitmap in map slot mapChannel of the material's sub-material index:
// a standard material ignores index, a multi/sub-object material takes its
// sub-material index, a shell material its sub-material 2. Null for other
// materials and for texture maps that are not bitmaps.
BitmapTex* GetBitmap(const Mtl* material, int index, int mapChannel);

// A record's textures: up to kMaxEntries entries, one per sub-material.
// Lookups with an index past the last entry read the last entry, with a
// negative index the first.
class TextureList {
public:
    static constexpr int kMaxEntries = 32;

    // Fills the entries from material and returns their count: 0..32, or -1
    // when there is no material, it is of a class not looked into, or a
    // standard or shell material has no diffuse bitmap. The first time the
    // registry meets the material, one TEXTURE IMPORT line per bitmap goes
    // to the EXEC script, under texturePackage and group (see TextureImport.h).
    std::int32_t BuildTextureList(const Mtl* material, ExportRegistry& registry, T3dWriter& writer,
                                  const std::string& texturePackage, const std::string& group, Interface& host);

    // Map channels are the material's map slots: MAP_SLOT_DIFFUSE,
    // MAP_SLOT_OPACITY, MAP_SLOT_SELF_ILLUM.
    // The bitmap's file path; false (path untouched) when it has 4 characters
    // or fewer, the map channel has no path, or there are no entries.
    bool GetTexturePath(int index, int mapChannel, std::string& path) const;
    // The bitmap's file name without folder and extension, sanitised; false
    // (name untouched) when there is no path or nothing is left of it.
    bool GetTextureName(int index, int mapChannel, std::string& name) const;
    // The diffuse or self-illumination channel; -1 for other map channels,
    // 0 when there are no entries.
    std::int32_t GetTextureChannel(int index, int mapChannel) const;

    // As the last BuildTextureList returned.
    std::int32_t Count() const { return textureCount; }

private:
    // The entry a lookup reads, or null when there are none.
    const TextureEntry* LookupEntry(int index) const;
    void WriteTextureImports(T3dWriter& writer, const std::string& texturePackage, const std::string& group,
                             Interface& host) const;

    std::array<TextureEntry, kMaxEntries> textures;
    std::int32_t textureCount = -1;
};
