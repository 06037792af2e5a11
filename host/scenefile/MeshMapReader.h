#pragma once
// The map channels of a mesh file entry: "uv" (channels "1".."99", each
// {"verts": [[u,v,w]], "faces": [[a,b,c]]}) and "colors" (channel 0,
// {"verts": [[r,g,b]], "faces": [[a,b,c]]}). Map faces go one per triangle
// of the mesh's "faces"; a mesh without them names map vertices from its
// polygons' corners instead.

#include "host/scene/Mesh.h"
#include "host/scenekeys/JsonCursor.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace scenefile {

struct MapChannelData {
    std::vector<UVVert> verts;
    std::vector<TVFace> faces;  // one per triangle; none without triangles
};

// By channel number. triangleCount: the number of the mesh's "faces", none
// when it has no such key.
std::map<int, MapChannelData> ReadUvChannels(const JsonCursor& uv, std::optional<std::size_t> triangleCount);
MapChannelData ReadVertexColors(const JsonCursor& colors, std::optional<std::size_t> triangleCount);

// A channel key "1".."99" of the object at `holder`.
int ReadChannelNumber(const JsonCursor& holder, const std::string& key);

}  // namespace scenefile
