#include "host/scenefile/MeshMapReader.h"

#include <array>
#include <cstdint>

namespace scenefile {
namespace {

std::vector<TVFace> ReadMapFaces(const JsonCursor& channel, std::optional<std::size_t> triangleCount,
                                 std::size_t vertCount, const std::string& verts) {
    if (!triangleCount) {
        if (channel.Has("faces")) {
            channel.Key("faces").Fail(
                "map faces go one per triangle of the mesh's \"faces\", which it has not; polygons name map "
                "vertices at their corners");
        }
        return {};
    }
    const JsonCursor faces = channel.Key("faces");
    if (faces.Size() != *triangleCount) {
        faces.Fail("expected one map face per triangle: " + std::to_string(*triangleCount) + ", got " +
                   std::to_string(faces.Size()));
    }
    std::vector<TVFace> result;
    result.reserve(*triangleCount);
    for (std::size_t f = 0; f < *triangleCount; ++f) {
        const std::array<std::uint32_t, 3> tv = faces.Element(f).IndexTriple(vertCount, verts);
        result.emplace_back(tv[0], tv[1], tv[2]);
    }
    return result;
}

// verts as read by readVert, then the faces into them.
template <class ReadVert>
MapChannelData ReadChannel(const JsonCursor& channel, std::optional<std::size_t> triangleCount,
                           const std::string& verts, ReadVert readVert) {
    channel.ExpectKeys({"verts", "faces"});
    MapChannelData data;
    if (const std::optional<JsonCursor> list = channel.Find("verts")) {
        data.verts.reserve(list->Size());
        for (std::size_t i = 0; i < list->Size(); ++i) data.verts.push_back(readVert(list->Element(i)));
    }
    data.faces = ReadMapFaces(channel, triangleCount, data.verts.size(), verts);
    return data;
}

}  // namespace

int ReadChannelNumber(const JsonCursor& holder, const std::string& key) {
    const bool canonical = (key.size() == 1 && key[0] >= '1' && key[0] <= '9') ||
                           (key.size() == 2 && key[0] >= '1' && key[0] <= '9' && key[1] >= '0' && key[1] <= '9');
    if (!canonical) holder.Fail("map channel \"" + key + "\" is not one of \"1\" to \"99\"");
    return std::stoi(key);
}

std::map<int, MapChannelData> ReadUvChannels(const JsonCursor& uv, std::optional<std::size_t> triangleCount) {
    std::map<int, MapChannelData> channels;
    for (const auto& [key, channel] : uv.Members()) {
        const int number = ReadChannelNumber(uv, key);
        channels[number] = ReadChannel(channel, triangleCount, "map vertices of channel " + key,
                                       [](const JsonCursor& vert) { return vert.Vector(); });
    }
    return channels;
}

MapChannelData ReadVertexColors(const JsonCursor& colors, std::optional<std::size_t> triangleCount) {
    if (!triangleCount) colors.Fail("vertex colours go one per triangle corner, and the mesh has no \"faces\"");
    return ReadChannel(colors, triangleCount, "colour vertices", [](const JsonCursor& vert) { return vert.Color(); });
}

}  // namespace scenefile
