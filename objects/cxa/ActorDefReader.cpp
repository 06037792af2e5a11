#include "objects/cxa/ActorDefReader.h"

#include "host/os/Files.h"
#include "objects/cxa/CxaInput.h"

#include <string>
#include <utility>

namespace cxa {

namespace {

constexpr std::size_t kVertexBytes = 3 * 4;
constexpr std::size_t kFaceBytes = 6 * 4;

// Stored edge flags are AB * 4 + BC * 2 + CA; the host's edge A (a to b) is
// bit 1, B (b to c) bit 2, C (c to a) bit 4.
std::uint32_t HostEdgeBits(std::int32_t stored) {
    return ((stored & 4) ? 1u : 0u) | ((stored & 2) ? 2u : 0u) | ((stored & 1) ? 4u : 0u);
}

// The stored smoothing number is a group number; a negative one counts
// modulo 32 like any other, as its low five bits.
std::uint32_t SmoothingMask(std::int32_t group) { return 1u << (static_cast<std::uint32_t>(group) & 31u); }

bool ReadVertices(CxaInput& in, ActorMesh& mesh) {
    std::int32_t count = 0;
    if (!in.I32(count) || count <= 0 || static_cast<std::size_t>(count) > in.Remaining() / kVertexBytes) return false;
    mesh.vertices.resize(static_cast<std::size_t>(count));
    for (ActorVertex& v : mesh.vertices) {
        if (!in.F32(v.x) || !in.F32(v.y) || !in.F32(v.z)) return false;
    }
    return true;
}

// A face must name vertices of the mesh: the helper draws it by these indices.
bool ReadFaces(CxaInput& in, ActorMesh& mesh) {
    std::int32_t count = 0;
    if (!in.I32(count) || count <= 0 || static_cast<std::size_t>(count) > in.Remaining() / kFaceBytes) return false;
    mesh.faces.resize(static_cast<std::size_t>(count));
    const std::size_t vertexCount = mesh.vertices.size();
    for (ActorFace& face : mesh.faces) {
        std::int32_t stored[6];
        for (std::int32_t& field : stored) {
            if (!in.I32(field)) return false;
        }
        for (int corner = 0; corner < 3; ++corner) {
            if (stored[corner] < 0 || static_cast<std::size_t>(stored[corner]) >= vertexCount) return false;
            face.verts[corner] = static_cast<std::uint32_t>(stored[corner]);
        }
        face.smGroup = SmoothingMask(stored[4]);
        face.flags = (static_cast<std::uint32_t>(stored[5]) << 16) | HostEdgeBits(stored[3]);
    }
    return true;
}

// Renderable and wireframe, then the first group of vertices and faces.
bool ReadGeometry(CxaInput& in, ActorDef& def) {
    ActorMesh mesh;
    if (!in.I32(def.renderable) || !in.I32(def.wireframe) || !ReadVertices(in, mesh) || !ReadFaces(in, mesh)) {
        return false;
    }
    def.mesh = std::move(mesh);
    return true;
}

std::vector<ValueCell> DefaultValues(const std::vector<ActorPropDef>& properties) {
    std::vector<ValueCell> values;
    values.reserve(properties.size());
    for (const ActorPropDef& p : properties) {
        values.push_back(p.type == kFloat ? ValueCell::FromFloat(static_cast<float>(p.defaultValue))
                                         : ValueCell::FromInt(p.defaultValue));
    }
    return values;
}

}  // namespace

bool ReadActorDef(std::string_view bytes, std::string_view expectedClass, ActorDef& def) {
    CxaInput in(bytes);
    FixedText<kClassNameField> className;
    ActorDef read;
    std::int32_t count = 0;
    std::int32_t useGeometry = 0;
    if (!ReadMagicAndClassName(in, className) || !EqualIgnoringCase(className.View(), expectedClass) ||
        !in.I32(count) || count < 0 || !ReadPropertyRecords(in, count, read.properties) || !in.I32(useGeometry)) {
        return false;
    }
    if (useGeometry != 0 && !ReadGeometry(in, read)) return false;
    read.values = DefaultValues(read.properties);
    def = std::move(read);
    return true;
}

bool ReadActorDefFromFile(std::string_view path, std::string_view expectedClass, ActorDef& def) {
    std::string bytes;
    return os::ReadWholeFile(path, bytes) && ReadActorDef(bytes, expectedClass, def);
}

}  // namespace cxa
