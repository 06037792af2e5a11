#pragma once
// The host's triangle mesh: vertices, triangles and per-channel mapping.
// Map channel 0 holds the vertex colours, channels 1..99 texture coordinates;
// a supported channel has one map face per triangle.

#include "host/math/Box3.h"
#include "host/math/Matrix3.h"
#include "host/math/Point3.h"
#include "host/math/Rect.h"
#include "host/scene/MapChannels.h"

#include <cstdint>
#include <utility>
#include <vector>

class GraphicsWindow;
struct Material;

using MtlID = std::uint16_t;

// Mesh::render's components: the headless window always draws them all.
constexpr int COMP_ALL = 0xFF;
using VertColor = Point3;

// Edge visibility bits of a face: edge A runs from corner 0 to corner 1,
// B from 1 to 2, C from 2 back to 0.
constexpr std::uint32_t EDGE_A = 1;
constexpr std::uint32_t EDGE_B = 2;
constexpr std::uint32_t EDGE_C = 4;
constexpr std::uint32_t EDGE_ALL = EDGE_A | EDGE_B | EDGE_C;

constexpr int VERTEX_COLOR_CHANNEL = 0;

class Face {
public:
    void setVerts(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    std::uint32_t getVert(int corner) const { return v_[corner]; }

    std::uint32_t getSmGroup() const { return smGroup_; }
    void setSmGroup(std::uint32_t mask) { smGroup_ = mask; }

    // The material id shares one word with the edge flags: it is the high half.
    MtlID getMatID() const { return static_cast<MtlID>(flags_ >> 16); }
    void setMatID(MtlID id);

    // edge 0 is A, 1 is B, 2 is C.
    bool getEdgeVis(int edge) const { return (flags_ & (EDGE_A << edge)) != 0; }
    void setEdgeVis(int edge, bool visible);
    void setEdgeVisFlags(bool ab, bool bc, bool ca);
    std::uint32_t getFlags() const { return flags_; }

private:
    std::uint32_t v_[3] = {0, 0, 0};
    std::uint32_t smGroup_ = 0;
    std::uint32_t flags_ = EDGE_ALL;
};

// The map vertices of one triangle, corner by corner.
class TVFace {
public:
    TVFace() = default;
    TVFace(std::uint32_t a, std::uint32_t b, std::uint32_t c) : t_{a, b, c} {}
    void setTVerts(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    std::uint32_t getTVert(int corner) const { return t_[corner]; }

private:
    std::uint32_t t_[3] = {0, 0, 0};
};

class Mesh {
public:
    int getNumVerts() const { return static_cast<int>(verts_.size()); }
    void setNumVerts(int count);
    const Point3& getVert(int i) const { return verts_[i]; }
    void setVert(int i, const Point3& p) { verts_[i] = p; }

    // Takes whole lists, as a reader that built them hands them over; the
    // map channels keep one map face per triangle.
    void setVerts(std::vector<Point3> verts) { verts_ = std::move(verts); }
    void setFaces(std::vector<Face> faces);

    int getNumFaces() const { return static_cast<int>(faces_.size()); }
    // Keeps the map faces of every supported channel in step.
    void setNumFaces(int count);
    Face& getFace(int i) { return faces_[i]; }
    const Face& getFace(int i) const { return faces_[i]; }
    // Unit normal of a face whose corners run counter-clockwise seen from
    // its front; a degenerate face gives the zero vector.
    Point3 getFaceNormal(int i) const;

    // One past the highest supported channel.
    int getNumMaps() const { return maps_.Count(); }
    bool mapSupport(int channel) const { return maps_.Supported(channel); }
    // Switching a channel on gives it one map face per triangle, all naming
    // map vertex 0; switching it off drops its data.
    void setMapSupport(int channel, bool support = true);
    int getNumMapVerts(int channel) const;
    void setNumMapVerts(int channel, int count);
    // Switches the channel on with these map vertices and faces, one face
    // per triangle (missing ones name map vertex 0).
    void setMapChannel(int channel, std::vector<UVVert> verts, std::vector<TVFace> faces);
    const UVVert& mapVert(int channel, int i) const { return maps_[channel].verts[i]; }
    void setMapVert(int channel, int i, const UVVert& uvw) { maps_[channel].verts[i] = uvw; }
    TVFace& mapFace(int channel, int face) { return maps_[channel].faces[face]; }
    const TVFace& mapFace(int channel, int face) const { return maps_[channel].faces[face]; }

    // Vertex colours are map channel 0.
    int getNumVertCol() const { return getNumMapVerts(VERTEX_COLOR_CHANNEL); }
    const VertColor& vertCol(int i) const { return mapVert(VERTEX_COLOR_CHANNEL, i); }
    const TVFace& vcFace(int face) const { return mapFace(VERTEX_COLOR_CHANNEL, face); }

    // Draws the visible edges into gw with its drawing transform, in the
    // line colour (wireframe) or in the material of each face (ma[matID %
    // numMat]) when shaded; in pick mode (GW_PICK) tests them against the
    // window's hit region instead. With damage, edges wholly outside it are
    // left out.
    void render(GraphicsWindow* gw, Material* ma, const Rect* damage, int compFlags, int numMat = 1) const;
    // The box of all vertices, each transformed by tm when given.
    Box3 getBoundingBox(const Matrix3* tm = nullptr) const;

private:
    std::vector<Point3> verts_;
    std::vector<Face> faces_;
    MapChannels<TVFace> maps_;
};
