#pragma once
// The polygon form of a mesh file entry: "polygons", each {"v": [i, ...],
// "mtl": int, "uv": {"<channel>": [t, ...]}}, one map-vertex index per corner
// for every channel of the mesh's "uv".

#include "host/math/Point3.h"
#include "host/scene/PolyMesh.h"
#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/MeshMapReader.h"

#include <map>
#include <vector>

namespace scenefile {

PolyMesh ReadPolygons(const JsonCursor& polygons, const std::vector<Point3>& vertices,
                      const std::map<int, MapChannelData>& channels);

}  // namespace scenefile
