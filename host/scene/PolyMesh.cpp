#include "host/scene/PolyMesh.h"

#include <utility>

int PolyMesh::addVert(const Point3& p) {
    verts_.push_back(p);
    return numVerts() - 1;
}

int PolyMesh::addFace(std::vector<std::uint32_t> corners, MtlID material, std::uint32_t smGroup) {
    PolyFace face;
    face.material = material;
    face.smGroup = smGroup;
    face.vtx_ = std::move(corners);
    for (auto& map : maps_) {
        if (!map.supported) continue;
        PolyMapFace mapFace;
        mapFace.tv_.assign(face.vtx_.size(), 0);
        map.faces.push_back(std::move(mapFace));
    }
    faces_.push_back(std::move(face));
    return numFaces() - 1;
}

void PolyMesh::setMapSupport(int channel, bool support) {
    if (!support) {
        maps_.Disable(channel);
        return;
    }
    auto* map = maps_.Enable(channel);
    if (map == nullptr) return;
    map->faces.resize(faces_.size());
    for (std::size_t f = 0; f < faces_.size(); ++f) map->faces[f].tv_.assign(faces_[f].vtx_.size(), 0);
}

int PolyMesh::numMapVerts(int channel) const {
    return mapSupport(channel) ? static_cast<int>(maps_[channel].verts.size()) : 0;
}

int PolyMesh::addMapVert(int channel, const UVVert& uvw) {
    std::vector<UVVert>& verts = maps_[channel].verts;
    verts.push_back(uvw);
    return static_cast<int>(verts.size()) - 1;
}

void PolyMesh::setMapFace(int channel, int face, std::vector<std::uint32_t> tv) {
    maps_[channel].faces[face].tv_ = std::move(tv);
}
