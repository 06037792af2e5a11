#include "host/scenefile/MeshReader.h"

#include "host/scene/Scene.h"
#include "host/scene/TriObject.h"
#include "host/scenefile/MeshMapReader.h"
#include "host/scenefile/PolygonReader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace scenefile {
namespace {

constexpr std::int64_t kMaxMtlID = 65535;
constexpr std::int64_t kMaxSmoothing = 0xFFFFFFFF;

std::vector<Point3> ReadVertices(const JsonCursor& list) {
    std::vector<Point3> vertices(list.Size());
    for (std::size_t i = 0; i < vertices.size(); ++i) vertices[i] = list.Element(i).Vector();
    return vertices;
}

void ReadCorners(const JsonCursor& corners, std::size_t vertexCount, Face& face) {
    const std::array<std::uint32_t, 3> v = corners.IndexTriple(vertexCount, "vertices");
    face.setVerts(v[0], v[1], v[2]);
}

// [a, b, c] or {"v": [a, b, c], "mtl", "smoothing", "edges"}.
Face ReadFace(const JsonCursor& entry, std::size_t vertexCount) {
    Face face;
    if (entry.IsArray()) {
        ReadCorners(entry, vertexCount, face);
        return face;
    }
    if (!entry.IsObject()) entry.FailExpected("[a, b, c] or a face object {\"v\": [a, b, c], ...}");
    // Faces come by the million: one pass over the keys, then the values in
    // a fixed order, so the first fault reported does not depend on the
    // order of the keys.
    std::optional<JsonCursor> members[4];
    entry.ExpectKeys({"v", "mtl", "smoothing", "edges"}, members);
    const auto& [v, mtl, smoothing, edges] = members;
    if (!v) entry.Key("v");  // fails: the corners are required
    ReadCorners(*v, vertexCount, face);
    face.setMatID(static_cast<MtlID>(mtl ? mtl->Integer(0, kMaxMtlID) : 0));
    face.setSmGroup(static_cast<std::uint32_t>(smoothing ? smoothing->Integer(0, kMaxSmoothing) : 0));
    if (edges) {
        edges->ExpectSize(3);
        for (int edge = 0; edge < 3; ++edge) {
            face.setEdgeVis(edge, edges->Element(static_cast<std::size_t>(edge)).Integer(0, 1) == 1);
        }
    }
    return face;
}

std::vector<Face> ReadFaces(const JsonCursor& list, std::size_t vertexCount) {
    std::vector<Face> faces;
    faces.reserve(list.Size());
    for (std::size_t i = 0; i < list.Size(); ++i) faces.push_back(ReadFace(list.Element(i), vertexCount));
    return faces;
}

// The lists become the mesh's own, without a copy: a large mesh is held once.
Mesh BuildMesh(std::vector<Point3> vertices, std::vector<Face> faces, std::map<int, MapChannelData> channels,
               std::optional<MapChannelData> colors) {
    Mesh mesh;
    mesh.setVerts(std::move(vertices));
    mesh.setFaces(std::move(faces));
    if (colors) mesh.setMapChannel(VERTEX_COLOR_CHANNEL, std::move(colors->verts), std::move(colors->faces));
    for (auto& [channel, data] : channels) mesh.setMapChannel(channel, std::move(data.verts), std::move(data.faces));
    return mesh;
}

}  // namespace

Object* ReadMesh(const JsonCursor& object, ReadContext& context) {
    object.ExpectKeys({"type", "name", "vertices", "faces", "polygons", "uv", "colors"});
    const std::optional<JsonCursor> vertexList = object.Find("vertices");
    std::vector<Point3> vertices = vertexList ? ReadVertices(*vertexList) : std::vector<Point3>{};

    std::optional<std::vector<Face>> faces;
    if (const std::optional<JsonCursor> list = object.Find("faces")) faces = ReadFaces(*list, vertices.size());
    const std::optional<std::size_t> triangleCount = faces ? std::optional<std::size_t>(faces->size()) : std::nullopt;

    std::map<int, MapChannelData> channels;
    if (const std::optional<JsonCursor> uv = object.Find("uv")) channels = ReadUvChannels(*uv, triangleCount);
    std::optional<MapChannelData> colors;
    if (const std::optional<JsonCursor> list = object.Find("colors")) colors = ReadVertexColors(*list, triangleCount);
    std::optional<PolyMesh> polygons;
    if (const std::optional<JsonCursor> list = object.Find("polygons")) {
        polygons = ReadPolygons(*list, vertices, channels);
    }

    Scene& scene = context.scene;
    if (!faces && polygons) return scene.Adopt(TriObject::FromPolygons(std::move(*polygons)));
    TriObject* mesh = scene.Adopt(new TriObject(BuildMesh(
        std::move(vertices), faces ? std::move(*faces) : std::vector<Face>{}, std::move(channels), std::move(colors))));
    if (polygons) mesh->SetPolygonForm(std::move(*polygons));
    return mesh;
}

}  // namespace scenefile
