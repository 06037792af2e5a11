#include "host/gltf/MeshWelding.h"

#include "host/gltf/SmoothingGroups.h"

#include <map>
#include <tuple>

namespace {

using Key = std::tuple<float, float, float>;

// Index of value among the distinct values seen so far.
class DistinctPoints {
public:
    std::uint32_t Index(const Point3& value) {
        const auto [at, added] = index_.emplace(Key{value.x, value.y, value.z}, points_.size());
        if (added) points_.push_back(value);
        return static_cast<std::uint32_t>(at->second);
    }
    const std::vector<Point3>& Points() const { return points_; }

private:
    std::map<Key, std::size_t> index_;
    std::vector<Point3> points_;
};

void SetMapChannel(Mesh& mesh, int channel, const DistinctPoints& verts, const std::vector<TVFace>& faces) {
    mesh.setMapSupport(channel);
    mesh.setNumMapVerts(channel, static_cast<int>(verts.Points().size()));
    for (std::size_t v = 0; v < verts.Points().size(); ++v) {
        mesh.setMapVert(channel, static_cast<int>(v), verts.Points()[v]);
    }
    for (std::size_t f = 0; f < faces.size(); ++f) mesh.mapFace(channel, static_cast<int>(f)) = faces[f];
}

}  // namespace

Mesh WeldTriangleSoup(const TriangleSoup& soup) {
    DistinctPoints positions;
    std::vector<Face> faces;
    std::vector<const SoupTriangle*> kept;
    for (const SoupTriangle& triangle : soup.triangles) {
        std::uint32_t v[3];
        for (int c = 0; c < 3; ++c) v[c] = positions.Index(triangle.corners[static_cast<std::size_t>(c)].position);
        if (v[0] == v[1] || v[1] == v[2] || v[2] == v[0]) continue;
        Face face;
        face.setVerts(v[0], v[1], v[2]);
        face.setMatID(triangle.material);
        faces.push_back(face);
        kept.push_back(&triangle);
    }

    Mesh mesh;
    mesh.setNumVerts(static_cast<int>(positions.Points().size()));
    for (std::size_t v = 0; v < positions.Points().size(); ++v) mesh.setVert(static_cast<int>(v), positions.Points()[v]);
    mesh.setNumFaces(static_cast<int>(faces.size()));
    for (std::size_t f = 0; f < faces.size(); ++f) mesh.getFace(static_cast<int>(f)) = faces[f];

    // Channel 0 holds the colours, 1 and 2 the texture coordinates.
    const bool channelUsed[3] = {soup.hasColors, soup.hasUv[0], soup.hasUv[1]};
    for (int channel = 0; channel < 3; ++channel) {
        if (!channelUsed[channel]) continue;
        DistinctPoints verts;
        std::vector<TVFace> mapFaces;
        for (const SoupTriangle* triangle : kept) {
            std::uint32_t t[3];
            for (std::size_t c = 0; c < 3; ++c) {
                const SoupCorner& corner = triangle->corners[c];
                t[c] = verts.Index(channel == 0 ? corner.color : corner.uv[static_cast<std::size_t>(channel - 1)]);
            }
            mapFaces.emplace_back(t[0], t[1], t[2]);
        }
        SetMapChannel(mesh, channel, verts, mapFaces);
    }

    std::vector<std::array<std::optional<Point3>, 3>> normals;
    normals.reserve(kept.size());
    for (const SoupTriangle* triangle : kept) {
        normals.push_back({triangle->corners[0].normal, triangle->corners[1].normal, triangle->corners[2].normal});
    }
    AssignSmoothingGroups(mesh, normals);
    return mesh;
}
