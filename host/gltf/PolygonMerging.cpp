#include "host/gltf/PolygonMerging.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

// Normals this close (about 0.26 degrees) are one plane's.
constexpr float kCoplanarDot = 0.99999f;
// A corner this close to straight counts as straight, not as a dent.
constexpr float kStraightSine = 1e-5f;
// Distance from a plane, relative to the mesh's size, that is still on it.
constexpr float kPlaneTolerance = 1e-4f;

using Edge = std::pair<std::uint32_t, std::uint32_t>;

struct Polygon {
    std::vector<std::uint32_t> corners;
    std::map<int, std::vector<std::uint32_t>> mapCorners;  // by channel
    MtlID material = 0;
    std::uint32_t smGroup = 0;
    Point3 normal;
    std::vector<int> triangles;
    bool merged = false;  // into another polygon
};

std::size_t Next(std::size_t i, std::size_t size) { return (i + 1) % size; }
std::size_t Previous(std::size_t i, std::size_t size) { return (i + size - 1) % size; }

// The corners of a and b joined across a's edge from corner k to k+1, which
// b has from corner j to j+1 reversed: a from k+1 round to k, then b past the edge.
template <class T>
std::vector<T> Join(const std::vector<T>& a, std::size_t k, const std::vector<T>& b, std::size_t j) {
    std::vector<T> joined;
    for (std::size_t i = 0; i < a.size(); ++i) joined.push_back(a[(k + 1 + i) % a.size()]);
    for (std::size_t i = 2; i < b.size(); ++i) joined.push_back(b[(j + i) % b.size()]);
    return joined;
}

class Merger {
public:
    explicit Merger(Mesh& mesh) : mesh_(mesh) {
        for (int channel = 0; channel < mesh.getNumMaps(); ++channel) {
            if (mesh.mapSupport(channel)) channels_.push_back(channel);
        }
        const Box3 box = mesh.getBoundingBox();
        tolerance_ = kPlaneTolerance * std::max(1.0f, (box.pmax - box.pmin).Length());
        for (int f = 0; f < mesh.getNumFaces(); ++f) AddTriangle(f);
    }

    void MergeAll() {
        for (bool changed = true; changed;) {
            changed = false;
            for (std::size_t p = 0; p < polygons_.size(); ++p) {
                while (!polygons_[p].merged && MergeOneNeighbour(p)) changed = true;
            }
        }
    }

    PolyMesh Result() const {
        PolyMesh poly;
        for (int v = 0; v < mesh_.getNumVerts(); ++v) poly.addVert(mesh_.getVert(v));
        for (int channel : channels_) {
            poly.setMapSupport(channel);
            for (int v = 0; v < mesh_.getNumMapVerts(channel); ++v) poly.addMapVert(channel, mesh_.mapVert(channel, v));
        }
        for (const Polygon& polygon : polygons_) {
            if (polygon.merged) continue;
            const int face = poly.addFace(polygon.corners, polygon.material, polygon.smGroup);
            for (const auto& [channel, tv] : polygon.mapCorners) poly.setMapFace(channel, face, tv);
        }
        return poly;
    }

    // Edges between two triangles of one polygon disappear.
    void HideInnerEdges() {
        std::vector<std::size_t> polygonOf(static_cast<std::size_t>(mesh_.getNumFaces()));
        for (std::size_t p = 0; p < polygons_.size(); ++p) {
            if (polygons_[p].merged) continue;
            for (int t : polygons_[p].triangles) polygonOf[static_cast<std::size_t>(t)] = p;
        }
        for (int f = 0; f < mesh_.getNumFaces(); ++f) {
            Face& face = mesh_.getFace(f);
            for (int edge = 0; edge < 3; ++edge) {
                const auto other = triangleEdges_.find({face.getVert((edge + 1) % 3), face.getVert(edge)});
                const bool inner = other != triangleEdges_.end() &&
                                   polygonOf[static_cast<std::size_t>(other->second)] ==
                                       polygonOf[static_cast<std::size_t>(f)];
                face.setEdgeVis(edge, !inner);
            }
        }
    }

private:
    void AddTriangle(int f) {
        const Face& face = mesh_.getFace(f);
        Polygon polygon;
        polygon.corners = {face.getVert(0), face.getVert(1), face.getVert(2)};
        for (int channel : channels_) {
            const TVFace& tv = mesh_.mapFace(channel, f);
            polygon.mapCorners[channel] = {tv.getTVert(0), tv.getTVert(1), tv.getTVert(2)};
        }
        polygon.material = face.getMatID();
        polygon.smGroup = face.getSmGroup();
        polygon.normal = mesh_.getFaceNormal(f);
        polygon.triangles = {f};
        for (int c = 0; c < 3; ++c) {
            const Edge edge{face.getVert(c), face.getVert((c + 1) % 3)};
            triangleEdges_[edge] = f;
            edgeOwner_[edge] = polygons_.size();
        }
        polygons_.push_back(std::move(polygon));
    }

    bool MergeOneNeighbour(std::size_t p) {
        const std::vector<std::uint32_t>& corners = polygons_[p].corners;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            const auto across = edgeOwner_.find({corners[Next(k, corners.size())], corners[k]});
            if (across == edgeOwner_.end() || across->second == p || polygons_[across->second].merged) continue;
            if (TryMerge(p, k, across->second)) return true;
        }
        return false;
    }

    bool TryMerge(std::size_t p, std::size_t k, std::size_t q) {
        Polygon& a = polygons_[p];
        Polygon& b = polygons_[q];
        const std::uint32_t u = a.corners[k];
        const std::uint32_t v = a.corners[Next(k, a.corners.size())];
        const auto jAt = std::find(b.corners.begin(), b.corners.end(), v);
        const auto j = static_cast<std::size_t>(jAt - b.corners.begin());
        if (jAt == b.corners.end() || b.corners[Next(j, b.corners.size())] != u) return false;
        if (a.material != b.material || a.smGroup != b.smGroup) return false;
        if (a.corners.size() + b.corners.size() - 2 > static_cast<std::size_t>(kMaxPolygonCorners)) return false;
        if (DotProd(a.normal, b.normal) < kCoplanarDot || !OnPlaneOf(a, b)) return false;
        for (int channel : channels_) {
            const std::vector<std::uint32_t>& ta = a.mapCorners.at(channel);
            const std::vector<std::uint32_t>& tb = b.mapCorners.at(channel);
            if (ta[k] != tb[Next(j, tb.size())] || ta[Next(k, ta.size())] != tb[j]) return false;
        }
        std::vector<std::uint32_t> corners = Join(a.corners, k, b.corners, j);
        if (!IsConvex(corners, a.normal)) return false;

        for (auto& [channel, tv] : a.mapCorners) tv = Join(tv, k, b.mapCorners.at(channel), j);
        a.corners = std::move(corners);
        a.triangles.insert(a.triangles.end(), b.triangles.begin(), b.triangles.end());
        b.merged = true;
        edgeOwner_.erase({u, v});
        edgeOwner_.erase({v, u});
        for (std::size_t c = 0; c < a.corners.size(); ++c) {
            edgeOwner_[{a.corners[c], a.corners[Next(c, a.corners.size())]}] = p;
        }
        return true;
    }

    bool OnPlaneOf(const Polygon& a, const Polygon& b) const {
        const Point3 origin = mesh_.getVert(static_cast<int>(a.corners[0]));
        for (std::uint32_t corner : b.corners) {
            if (std::fabs(DotProd(mesh_.getVert(static_cast<int>(corner)) - origin, a.normal)) > tolerance_) return false;
        }
        return true;
    }

    // Every corner turns the same way as the normal or goes straight on;
    // no corner repeats (two polygons that share more than one edge).
    bool IsConvex(const std::vector<std::uint32_t>& corners, const Point3& normal) const {
        std::vector<std::uint32_t> sorted = corners;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return false;
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point3 here = mesh_.getVert(static_cast<int>(corners[i]));
            const Point3 in = here - mesh_.getVert(static_cast<int>(corners[Previous(i, corners.size())]));
            const Point3 out = mesh_.getVert(static_cast<int>(corners[Next(i, corners.size())])) - here;
            const float scale = in.Length() * out.Length();
            const float turn = DotProd(CrossProd(in, out), normal);
            if (turn < -kStraightSine * scale) return false;
            if (turn <= kStraightSine * scale && DotProd(in, out) <= 0.0f) return false;
        }
        return true;
    }

    Mesh& mesh_;
    std::vector<int> channels_;
    float tolerance_ = 0.0f;
    std::vector<Polygon> polygons_;
    std::map<Edge, std::size_t> edgeOwner_;  // directed edge -> polygon that has it
    std::map<Edge, int> triangleEdges_;      // directed edge -> triangle that has it
};

}  // namespace

PolyMesh MergeCoplanarTriangles(Mesh& mesh) {
    Merger merger(mesh);
    merger.MergeAll();
    merger.HideInnerEdges();
    return merger.Result();
}
