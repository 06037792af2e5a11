#pragma once
// The host's polygon mesh: faces of any degree, as the artist modelled them.
// A supported map channel has one map face per polygon, with one map-vertex
// index per corner.

#include "host/scene/Mesh.h"

#include <cstdint>
#include <vector>

class PolyFace {
public:
    int deg() const { return static_cast<int>(vtx_.size()); }
    std::uint32_t vtx(int corner) const { return vtx_[corner]; }
    MtlID material = 0;
    std::uint32_t smGroup = 0;

private:
    friend class PolyMesh;
    std::vector<std::uint32_t> vtx_;
};

class PolyMapFace {
public:
    int deg() const { return static_cast<int>(tv_.size()); }
    std::uint32_t tv(int corner) const { return tv_[corner]; }

private:
    friend class PolyMesh;
    std::vector<std::uint32_t> tv_;
};

class PolyMesh {
public:
    int numVerts() const { return static_cast<int>(verts_.size()); }
    const Point3& vert(int i) const { return verts_[i]; }
    // Index of the new vertex.
    int addVert(const Point3& p);

    int numFaces() const { return static_cast<int>(faces_.size()); }
    PolyFace& face(int i) { return faces_[i]; }
    const PolyFace& face(int i) const { return faces_[i]; }
    // Index of the new polygon; its map face in every supported channel names
    // map vertex 0 at each corner until set.
    int addFace(std::vector<std::uint32_t> corners, MtlID material = 0, std::uint32_t smGroup = 0);

    // One past the highest supported channel.
    int numMaps() const { return maps_.Count(); }
    bool mapSupport(int channel) const { return maps_.Supported(channel); }
    // Switching a channel on gives every polygon a map face of its degree,
    // all naming map vertex 0; switching it off drops its data.
    void setMapSupport(int channel, bool support = true);
    int numMapVerts(int channel) const;
    const UVVert& mapVert(int channel, int i) const { return maps_[channel].verts[i]; }
    // Index of the new map vertex.
    int addMapVert(int channel, const UVVert& uvw);
    const PolyMapFace& mapFace(int channel, int face) const { return maps_[channel].faces[face]; }
    // tv holds one map-vertex index per corner of the polygon.
    void setMapFace(int channel, int face, std::vector<std::uint32_t> tv);

private:
    std::vector<Point3> verts_;
    std::vector<PolyFace> faces_;
    MapChannels<PolyMapFace> maps_;
};
