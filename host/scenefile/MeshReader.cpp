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
    entry.ExpectKeys({"v", "mtl", "smoothing", "edges"});
    ReadCorners(entry.Key("v"), vertexCount, face);
    face.setMatID(static_cast<MtlID>(entry.Integer("mtl", 0, kMaxMtlID, 0)));
    face.setSmGroup(static_cast<std::uint32_t>(entry.Integer("smoothing", 0, kMaxSmoothing, 0)));
    if (const std::optional<JsonCursor> edges = entry.Find("edges")) {
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

void AddMapChannel(Mesh& mesh, int channel, const MapChannelData& data) {
    mesh.setMapSupport(channel);
    mesh.setNumMapVerts(channel, static_cast<int>(data.verts.size()));
    for (std::size_t v = 0; v < data.verts.size(); ++v) mesh.setMapVert(channel, static_cast<int>(v), data.verts[v]);
    for (std::size_t f = 0; f < data.faces.size(); ++f) mesh.mapFace(channel, static_cast<int>(f)) = data.faces[f];
}

Mesh BuildMesh(const std::vector<Point3>& vertices, const std::vector<Face>& faces,
               const std::map<int, MapChannelData>& channels, const std::optional<MapChannelData>& colors) {
    Mesh mesh;
    mesh.setNumVerts(static_cast<int>(vertices.size()));
    for (std::size_t v = 0; v < vertices.size(); ++v) mesh.setVert(static_cast<int>(v), vertices[v]);
    mesh.setNumFaces(static_cast<int>(faces.size()));
    for (std::size_t f = 0; f < faces.size(); ++f) mesh.getFace(static_cast<int>(f)) = faces[f];
    if (colors) AddMapChannel(mesh, VERTEX_COLOR_CHANNEL, *colors);
    for (const auto& [channel, data] : channels) AddMapChannel(mesh, channel, data);
    return mesh;
}

}  // namespace

Object* ReadMesh(const JsonCursor& object, ReadContext& context) {
    object.ExpectKeys({"type", "name", "vertices", "faces", "polygons", "uv", "colors"});
    const std::optional<JsonCursor> vertexList = object.Find("vertices");
    const std::vector<Point3> vertices = vertexList ? ReadVertices(*vertexList) : std::vector<Point3>{};

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
    TriObject* mesh =
        scene.Adopt(new TriObject(BuildMesh(vertices, faces.value_or(std::vector<Face>{}), channels, colors)));
    if (polygons) mesh->SetPolygonForm(std::move(*polygons));
    return mesh;
}

}  // namespace scenefile
