#include "host/scene/Mesh.h"

void Face::setVerts(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    v_[0] = a;
    v_[1] = b;
    v_[2] = c;
}

void Face::setMatID(MtlID id) {
    flags_ = (flags_ & 0xFFFFu) | (static_cast<std::uint32_t>(id) << 16);
}

void Face::setEdgeVis(int edge, bool visible) {
    const std::uint32_t bit = EDGE_A << edge;
    flags_ = visible ? (flags_ | bit) : (flags_ & ~bit);
}

void Face::setEdgeVisFlags(bool ab, bool bc, bool ca) {
    setEdgeVis(0, ab);
    setEdgeVis(1, bc);
    setEdgeVis(2, ca);
}

void TVFace::setTVerts(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    t_[0] = a;
    t_[1] = b;
    t_[2] = c;
}

void Mesh::setNumVerts(int count) { verts_.resize(static_cast<std::size_t>(count)); }

void Mesh::setNumFaces(int count) {
    faces_.resize(static_cast<std::size_t>(count));
    for (auto& map : maps_) {
        if (map.supported) map.faces.resize(faces_.size());
    }
}

void Mesh::setFaces(std::vector<Face> faces) {
    faces_ = std::move(faces);
    setNumFaces(getNumFaces());
}

Point3 Mesh::getFaceNormal(int i) const {
    const Face& face = faces_[i];
    const Point3& p0 = verts_[face.getVert(0)];
    const Point3 edge1 = verts_[face.getVert(1)] - p0;
    const Point3 edge2 = verts_[face.getVert(2)] - p0;
    return CrossProd(edge1, edge2).Normalize();
}

void Mesh::setMapSupport(int channel, bool support) {
    if (!support) {
        maps_.Disable(channel);
    } else if (auto* map = maps_.Enable(channel)) {
        map->faces.resize(faces_.size());
    }
}

int Mesh::getNumMapVerts(int channel) const {
    return mapSupport(channel) ? static_cast<int>(maps_[channel].verts.size()) : 0;
}

void Mesh::setMapChannel(int channel, std::vector<UVVert> verts, std::vector<TVFace> faces) {
    setMapSupport(channel, false);
    auto* map = maps_.Enable(channel);
    if (!map) return;
    map->verts = std::move(verts);
    map->faces = std::move(faces);
    map->faces.resize(faces_.size());
}

void Mesh::setNumMapVerts(int channel, int count) {
    if (mapSupport(channel)) maps_[channel].verts.resize(static_cast<std::size_t>(count));
}
