#include "host/gltf/SmoothingGroups.h"

#include <map>
#include <numeric>
#include <set>
#include <utility>

namespace {

// Normals this close in direction (about 0.8 degrees) are one normal.
constexpr float kAgreeingDot = 0.9999f;
constexpr int kGroupBits = 32;

bool Agree(const std::optional<Point3>& a, const std::optional<Point3>& b) {
    if (!a || !b) return true;
    return DotProd(a->Normalize(), b->Normalize()) >= kAgreeingDot;
}

class Patches {
public:
    explicit Patches(std::size_t count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), 0); }
    std::size_t Find(std::size_t face) {
        while (parent_[face] != face) face = parent_[face] = parent_[parent_[face]];
        return face;
    }
    void Join(std::size_t a, std::size_t b) { parent_[Find(a)] = Find(b); }

private:
    std::vector<std::size_t> parent_;
};

struct EdgeSide {
    std::size_t face;
    int cornerA;  // the corner at the edge's lower vertex
    int cornerB;
};

}  // namespace

void AssignSmoothingGroups(Mesh& mesh, const std::vector<std::array<std::optional<Point3>, 3>>& cornerNormals) {
    const auto faceCount = static_cast<std::size_t>(mesh.getNumFaces());
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::vector<EdgeSide>> edges;
    for (std::size_t f = 0; f < faceCount; ++f) {
        const Face& face = mesh.getFace(static_cast<int>(f));
        for (int c = 0; c < 3; ++c) {
            const int next = (c + 1) % 3;
            const std::uint32_t a = face.getVert(c);
            const std::uint32_t b = face.getVert(next);
            edges[{std::min(a, b), std::max(a, b)}].push_back(a < b ? EdgeSide{f, c, next} : EdgeSide{f, next, c});
        }
    }

    Patches patches(faceCount);
    std::vector<std::pair<std::size_t, std::size_t>> hardEdges;
    for (const auto& entry : edges) {
        const std::vector<EdgeSide>& sides = entry.second;
        for (std::size_t i = 0; i < sides.size(); ++i) {
            for (std::size_t j = i + 1; j < sides.size(); ++j) {
                const auto& first = cornerNormals[sides[i].face];
                const auto& second = cornerNormals[sides[j].face];
                const bool smooth =
                    Agree(first[static_cast<std::size_t>(sides[i].cornerA)],
                          second[static_cast<std::size_t>(sides[j].cornerA)]) &&
                    Agree(first[static_cast<std::size_t>(sides[i].cornerB)],
                          second[static_cast<std::size_t>(sides[j].cornerB)]);
                if (smooth) {
                    patches.Join(sides[i].face, sides[j].face);
                } else {
                    hardEdges.emplace_back(sides[i].face, sides[j].face);
                }
            }
        }
    }

    std::map<std::size_t, std::set<std::size_t>> neighbours;
    for (const auto& [a, b] : hardEdges) {
        const std::size_t patchA = patches.Find(a);
        const std::size_t patchB = patches.Find(b);
        if (patchA == patchB) continue;
        neighbours[patchA].insert(patchB);
        neighbours[patchB].insert(patchA);
    }
    // Greedy colouring of the patches in face order: the lowest bit no
    // neighbour has taken.
    std::map<std::size_t, std::uint32_t> groupOf;
    for (std::size_t f = 0; f < faceCount; ++f) {
        const std::size_t patch = patches.Find(f);
        auto found = groupOf.find(patch);
        if (found == groupOf.end()) {
            std::uint32_t taken = 0;
            for (std::size_t other : neighbours[patch]) {
                const auto colour = groupOf.find(other);
                if (colour != groupOf.end()) taken |= colour->second;
            }
            std::uint32_t group = 0;
            for (int bit = 0; bit < kGroupBits && group == 0; ++bit) {
                if ((taken & (1u << bit)) == 0) group = 1u << bit;
            }
            found = groupOf.emplace(patch, group).first;
        }
        mesh.getFace(static_cast<int>(f)).setSmGroup(found->second);
    }
}
