#include "exporter/StaticMeshExport.h"


#include "common/NumberFormat.h"
#include "common/T3dWriter.h"
#include "common/ExportOptions.h"
#include "exporter/EditorFile.h"
#include "exporter/ModifierLines.h"
#include "exporter/ObjectForm.h"
#include "host/scene/HostClassIds.h"
#include "host/scene/Interface.h"
#include "host/scene/Mesh.h"
#include "host/scene/Mtl.h"
#include "host/scene/TriObject.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace {

constexpr std::int32_t kNoNumber = T3dWriter::NoNumber;
constexpr const char* kComment = "corvatrix ASE File Export v3.0";
// The material that holds a node's sub-materials, and the prefix of theirs.
constexpr const char* kMaterialName = "corvatrix";
constexpr const char* kSubMaterialPrefix = "corvatrix_";
// The engine takes the self-illumination coordinates from its second channel,
// whatever channel the host keeps them in.
constexpr std::int32_t kSecondMappingChannel = 2;

// A bitmap of a sub-material, placed once over the whole surface.
void WriteMapBlock(T3dWriter& writer, std::string_view key, const std::string& path) {
    writer.AseBeginBlock(key, kNoNumber);
    writer.AseString("BITMAP", path, true);
    writer.AseFloat("UVW_U_OFFSET", 0.0f);
    writer.AseFloat("UVW_V_OFFSET", 0.0f);
    writer.AseFloat("UVW_U_TILING", 1.0f);
    writer.AseFloat("UVW_V_TILING", 1.0f);
    writer.AseEndBlock();
}

void WriteSubMaterial(T3dWriter& writer, const TextureList& textures, std::int32_t index) {
    writer.AseBeginBlock("SUBMATERIAL", index);
    writer.AseString("MATERIAL_NAME", kSubMaterialPrefix + std::to_string(index), true);
    const struct {
        std::string_view key;
        int mapChannel;
    } maps[] = {{"MAP_DIFFUSE", MAP_SLOT_DIFFUSE},
                {"MAP_OPACITY", MAP_SLOT_OPACITY},
                {"MAP_SELFILLUM", MAP_SLOT_SELF_ILLUM}};
    for (const auto& map : maps) {
        std::string path;
        if (textures.GetTexturePath(index, map.mapChannel, path)) WriteMapBlock(writer, map.key, path);
    }
    writer.AseEndBlock();
}

// One material whose sub-materials are the node's texture entries.
void WriteMaterialList(T3dWriter& writer, const TextureList& textures) {
    writer.AseBeginBlock("MATERIAL_LIST", kNoNumber);
    writer.AseLong("MATERIAL_COUNT", 1);
    writer.AseBeginBlock("MATERIAL", 0);
    writer.AseString("MATERIAL_NAME", kMaterialName, true);
    writer.AseLong("NUMSUBMTLS", textures.Count());
    for (std::int32_t i = 0; i < textures.Count(); ++i) WriteSubMaterial(writer, textures, i);
    writer.AseEndBlock();
    writer.AseEndBlock();
}

// "%6ld\t%6ld\t%6ld\t%6ld": a face's index and its three corners in a map
// channel.
void WriteMapFace(T3dWriter& writer, std::string_view key, std::int32_t index, const TVFace& face) {
    char text[4 * textout::kLongTextMax + 3];
    char* end = textout::FormatPaddedLong(text, index, 6);
    for (int corner = 0; corner < 3; ++corner) {
        *end++ = '\t';
        end = textout::FormatPaddedLong(end, static_cast<std::int32_t>(face.getTVert(corner)), 6);
    }
    writer.AseString(key, std::string_view(text, static_cast<std::size_t>(end - text)), false);
}

void WriteVertices(T3dWriter& writer, const Mesh& mesh) {
    writer.AseLong("MESH_NUMVERTEX", mesh.getNumVerts());
    writer.AseBeginBlock("MESH_VERTEX_LIST", kNoNumber);
    for (int i = 0; i < mesh.getNumVerts(); ++i) writer.AseIndexedVector("MESH_VERTEX", i, mesh.getVert(i));
    writer.AseEndBlock();
}

void WriteFaces(T3dWriter& writer, const Mesh& mesh, std::int32_t highestMaterialId) {
    writer.AseLong("MESH_NUMFACES", mesh.getNumFaces());
    writer.AseBeginBlock("MESH_FACE_LIST", kNoNumber);
    for (int i = 0; i < mesh.getNumFaces(); ++i) writer.AseFace(mesh.getFace(i), i, highestMaterialId);
    writer.AseEndBlock();
}

// The map vertices and map faces of one channel, where the mesh has them.
void WriteTextureCoordinates(T3dWriter& writer, const Mesh& mesh, int channel) {
    const int vertexCount = mesh.getNumMapVerts(channel);
    if (vertexCount > 0) {
        writer.AseLong("MESH_NUMTVERTEX", vertexCount);
        writer.AseBeginBlock("MESH_TVERTLIST", kNoNumber);
        for (int i = 0; i < vertexCount; ++i) writer.AseIndexedVector("MESH_TVERT", i, mesh.mapVert(channel, i));
        writer.AseEndBlock();
    }
    if (mesh.mapSupport(channel) && mesh.getNumFaces() > 0) {
        writer.AseLong("MESH_NUMTVFACES", mesh.getNumFaces());
        writer.AseBeginBlock("MESH_TFACELIST", kNoNumber);
        for (int i = 0; i < mesh.getNumFaces(); ++i) WriteMapFace(writer, "MESH_TFACE", i, mesh.mapFace(channel, i));
        writer.AseEndBlock();
    }
}

void WriteVertexColours(T3dWriter& writer, const Mesh& mesh) {
    writer.AseLong("MESH_NUMCVERTEX", mesh.getNumVertCol());
    writer.AseBeginBlock("MESH_CVERTLIST", kNoNumber);
    for (int i = 0; i < mesh.getNumVertCol(); ++i) writer.AseIndexedVector("MESH_VERTCOL", i, mesh.vertCol(i));
    writer.AseEndBlock();
    writer.AseLong("MESH_NUMCVFACES", mesh.getNumFaces());
    writer.AseBeginBlock("MESH_CFACELIST", kNoNumber);
    for (int i = 0; i < mesh.getNumFaces(); ++i) WriteMapFace(writer, "MESH_CFACE", i, mesh.vcFace(i));
    writer.AseEndBlock();
}

// The mesh as the host holds it, in the object's own space; the actor's
// placement carries the node's transform.
void WriteGeometry(T3dWriter& writer, const std::string& nodeName, const Mesh& mesh, const TextureList& textures) {
    const std::int32_t count = textures.Count();
    // Every face then names a sub-material that the file declares.
    const std::int32_t highestMaterialId = count > 0 ? count - 1 : count;
    const std::int32_t diffuseChannel = textures.GetTextureChannel(0, MAP_SLOT_DIFFUSE);
    const std::int32_t selfIllumChannel = textures.GetTextureChannel(0, MAP_SLOT_SELF_ILLUM);

    writer.AseBeginBlock("GEOMOBJECT", kNoNumber);
    writer.AseString("NODE_NAME", nodeName, true);
    writer.AseBeginBlock("MESH", kNoNumber);
    WriteVertices(writer, mesh);
    WriteFaces(writer, mesh, highestMaterialId);
    if (diffuseChannel != -1) WriteTextureCoordinates(writer, mesh, diffuseChannel);
    if (selfIllumChannel != -1) {
        writer.AseBeginBlock("MESH_MAPPINGCHANNEL", kSecondMappingChannel);
        WriteTextureCoordinates(writer, mesh, selfIllumChannel);
        writer.AseEndBlock();
    }
    if (mesh.getNumVertCol() != 0) WriteVertexColours(writer, mesh);
    writer.AseEndBlock();
    if (count > 0) writer.AseLong("MATERIAL_REF", 0);
    writer.AseEndBlock();
}

}  // namespace

StaticMeshExport::StaticMeshExport(const ExportContext& exportContext, INode& exportedNode, Modifier* tagModifier)
    : ExportActor(exportContext, exportedNode, tagModifier),
      instanceSource(context.registry.FindMeshInstance(node)),
      meshName(instanceSource ? context.registry.MeshNameOf(*instanceSource)
                              : context.registry.ClaimMeshName(node, name, meshPackage)) {}

int StaticMeshExport::Write() {
    if (!instanceSource) {
        if (!WriteAseFile()) return 1;
        context.registry.CountAseFile();
        if (textures.Count() <= 0) {
            context.host->Warn("static mesh without a material",
                               "static mesh " + meshName + " has no material with a bitmap: the editor stops its import "
                               "with a warning dialog");
        }
        const std::string aseFile = context.writer.Directory() + "ase_" + meshPackage + "/" + meshName + ".ase";
        const std::optional<std::string> file = EditorFileArgument(*context.host, aseFile, "static mesh " + meshName);
        if (file) {
            std::string command = "STATICMESH IMPORT " + *file + " NAME=\"" + meshName + "\" PACKAGE=\"" + meshPackage +
                                  "\" GROUP=\"" + group + "\"";
            if (!context.options.StaticMeshCollision) command += " COLLISION=FALSE";
            context.writer.WriteExecLine(command);
        }
    }
    WriteActor();
    return 0;
}

void StaticMeshExport::WriteActor() {
    T3dWriter& writer = context.writer;
    writer.BeginActor("StaticMeshActor", name);
    WriteModifierLines(modifier, writer);
    writer.WriteString("StaticMesh", StaticMeshReference(), false);
    WritePlacement(kPlacementAll);
    writer.WriteString("Tag", name, true);
    writer.WriteString("Name", name, true);
    writer.End("Actor");
}

bool StaticMeshExport::WriteAseFile() {
    const ObjectForm triangles(node.EvalWorldState(0).obj, TRIOBJ_CLASS_ID);
    if (!triangles.Get()) return false;
    const Mesh* mesh = &static_cast<const TriObject*>(triangles.Get())->GetMesh();
    T3dWriter& writer = context.writer;
    if (!writer.OpenAse(meshName, meshPackage)) return false;

    writer.AseLong("3DSMAX_ASCIIEXPORT", 200);
    writer.AseString("COMMENT", kComment, true);
    if (textures.Count() > 0) WriteMaterialList(writer, textures);
    WriteGeometry(writer, meshName, *mesh, textures);
    writer.CloseAse();
    return true;
}

std::string StaticMeshExport::StaticMeshReference() const {
    return "StaticMesh'" + meshPackage + "." + group + "." + meshName + "'";
}

