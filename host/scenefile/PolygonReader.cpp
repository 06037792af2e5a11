#include "host/scenefile/PolygonReader.h"

#include <cstdint>
#include <optional>
#include <string>

namespace scenefile {
namespace {

constexpr std::size_t kMinCorners = 3;

std::vector<std::uint32_t> ReadIndices(const JsonCursor& list, std::size_t count, const std::string& what) {
    std::vector<std::uint32_t> indices(list.Size());
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = list.Element(i).Index(count, what);
    return indices;
}

// The map face of each of the mesh's channels, one index per corner.
std::map<int, std::vector<std::uint32_t>> ReadPolygonMapFaces(const JsonCursor& polygon, std::size_t corners,
                                                              const std::map<int, MapChannelData>& channels) {
    std::map<int, std::vector<std::uint32_t>> mapFaces;
    if (const std::optional<JsonCursor> uv = polygon.Find("uv")) {
        for (const auto& [key, tv] : uv->Members()) {
            const auto channel = channels.find(ReadChannelNumber(*uv, key));
            if (channel == channels.end()) uv->Fail("map channel \"" + key + "\" is not in the mesh's \"uv\"");
            tv.ExpectSize(corners);
            mapFaces[channel->first] = ReadIndices(tv, channel->second.verts.size(), "map vertices of channel " + key);
        }
    }
    for (const auto& channel : channels) {
        if (mapFaces.count(channel.first) == 0) {
            polygon.Fail("no map face for channel " + std::to_string(channel.first) + " in \"uv\"");
        }
    }
    return mapFaces;
}

}  // namespace

PolyMesh ReadPolygons(const JsonCursor& polygons, const std::vector<Point3>& vertices,
                      const std::map<int, MapChannelData>& channels) {
    PolyMesh poly;
    for (const Point3& vertex : vertices) poly.addVert(vertex);
    for (const auto& [number, data] : channels) {
        poly.setMapSupport(number);
        for (const UVVert& vert : data.verts) poly.addMapVert(number, vert);
    }
    for (std::size_t p = 0; p < polygons.Size(); ++p) {
        const JsonCursor polygon = polygons.Element(p);
        polygon.ExpectKeys({"v", "mtl", "uv"});
        const JsonCursor cornerList = polygon.Key("v");
        std::vector<std::uint32_t> corners = ReadIndices(cornerList, vertices.size(), "vertices");
        if (corners.size() < kMinCorners) {
            cornerList.Fail("a polygon needs at least 3 corners, got " + std::to_string(corners.size()));
        }
        const auto material = static_cast<MtlID>(polygon.Integer("mtl", 0, 65535, 0));
        std::map<int, std::vector<std::uint32_t>> mapFaces = ReadPolygonMapFaces(polygon, corners.size(), channels);
        const int face = poly.addFace(std::move(corners), material);
        for (auto& [number, tv] : mapFaces) poly.setMapFace(number, face, std::move(tv));
    }
    return poly;
}

}  // namespace scenefile
