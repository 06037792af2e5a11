#pragma once
// The groups of a geometry block as the ASE reader appends them, decoded
// field by field, for the tests and the fuzz target.

#include "objects/cxa/ActorDef.h"
#include "objects/cxa/CxaInput.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace actorbuilder_test {

struct StoredFace {
    std::int32_t a = 0, b = 0, c = 0, edges = 0, smoothing = 0, materialId = 0;
};

struct Group {
    std::vector<ActorVertex> vertices;
    std::vector<StoredFace> faces;
};

// False when the bytes are not whole groups, one after the other.
inline bool DecodeGroups(std::string_view bytes, std::vector<Group>& groups) {
    cxa::CxaInput in(bytes);
    while (in.Remaining() > 0) {
        Group group;
        std::int32_t count = 0;
        if (!in.I32(count) || count < 0 || static_cast<std::size_t>(count) > in.Remaining() / 12) return false;
        group.vertices.resize(static_cast<std::size_t>(count));
        for (ActorVertex& v : group.vertices) {
            if (!in.F32(v.x) || !in.F32(v.y) || !in.F32(v.z)) return false;
        }
        if (!in.I32(count) || count < 0 || static_cast<std::size_t>(count) > in.Remaining() / 24) return false;
        group.faces.resize(static_cast<std::size_t>(count));
        for (StoredFace& f : group.faces) {
            for (std::int32_t* field : {&f.a, &f.b, &f.c, &f.edges, &f.smoothing, &f.materialId}) {
                if (!in.I32(*field)) return false;
            }
        }
        groups.push_back(group);
    }
    return true;
}

}  // namespace actorbuilder_test
