#pragma once
// Definitions and geometry blocks that the CXA tests and the fuzz seeds
// write: one property of every type, and geometry as the Actor Builder's ASE
// reader appends it (stored face fields, not yet in the host's form).

#include "objects/cxa/ActorDef.h"
#include "objects/cxa/CxaWriter.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace cxa_test {

struct StoredFace {
    std::int32_t a, b, c, edges, smoothing, materialId;
};

// Appends one group: the vertex count, the vertices, the face count, the faces.
inline void AppendGroup(cxa::CxaOutput& out, const std::vector<ActorVertex>& vertices,
                        const std::vector<StoredFace>& faces) {
    out.I32(static_cast<std::int32_t>(vertices.size()));
    for (const ActorVertex& v : vertices) {
        out.F32(v.x);
        out.F32(v.y);
        out.F32(v.z);
    }
    out.I32(static_cast<std::int32_t>(faces.size()));
    for (const StoredFace& f : faces) {
        for (std::int32_t field : {f.a, f.b, f.c, f.edges, f.smoothing, f.materialId}) out.I32(field);
    }
}

inline cxa::GeometryAppender GeometryGroup(std::vector<ActorVertex> vertices, std::vector<StoredFace> faces) {
    return [vertices = std::move(vertices), faces = std::move(faces)](std::string_view, cxa::CxaOutput& out) {
        AppendGroup(out, vertices, faces);
        return true;
    };
}

// Four vertices and two faces: the first with only edge AB visible,
// smoothing 33 and material 2; the second with only CA, smoothing 1.
inline const std::vector<ActorVertex>& SampleVertices() {
    static const std::vector<ActorVertex> vertices = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 5.5f}};
    return vertices;
}
inline const std::vector<StoredFace>& SampleFaces() {
    static const std::vector<StoredFace> faces = {{0, 1, 2, 4, 33, 2}, {0, 2, 3, 1, 1, 0}};
    return faces;
}

inline cxa::DefinitionForm SampleForm() {
    cxa::DefinitionForm form;
    form.className = "MyActor";
    form.rows = {
        {"Lit", "BOOLEAN", "bLit", "1", ""},
        {"Count", "INTEGER", "Count", "-3", ""},
        {"Hue", "BYTE", "LightHue", "200", ""},
        {"Speed", "FLOAT", "Speed", "5", ""},
        {"Mode", "ENUM", "Mode", "1", "Low,,High"},
        {"Tint", "COLOUR", "Tint", "255", ""},
    };
    form.useCustomGeometry = true;
    form.renderable = false;
    form.wireframe = true;
    form.asePath = "mesh.ase";
    return form;
}

// The sample with its geometry, as the writer encodes it.
inline std::string SampleBytes() {
    std::string bytes;
    cxa::EncodeDefinition(SampleForm(), GeometryGroup(SampleVertices(), SampleFaces()), bytes);
    return bytes;
}

}  // namespace cxa_test
