// Arbitrary bytes through the ASE geometry reader. Beyond the sanitizers'
// checks: a text it accepts gives whole groups whose faces name vertices of
// their own group, with a first group the actor helper can load; a refusal
// always says why.

#include "actorbuilder/AseGeometryReader.h"
#include "tests/actorbuilder/GeometryGroups.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckGroups(const std::string& bytes) {
    std::vector<actorbuilder_test::Group> groups;
    Require(actorbuilder_test::DecodeGroups(bytes, groups));
    Require(!groups.empty() && !groups[0].vertices.empty() && !groups[0].faces.empty());
    for (const actorbuilder_test::Group& group : groups) {
        for (const actorbuilder_test::StoredFace& face : group.faces) {
            for (std::int32_t corner : {face.a, face.b, face.c})
                Require(corner >= 0 && static_cast<std::size_t>(corner) < group.vertices.size());
            Require(face.edges >= 0 && face.edges <= 7 && face.smoothing >= 0 && face.materialId >= 0);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    actorbuilder::ByteStream in(text);
    cxa::CxaOutput out;
    std::string error;
    const bool accepted = actorbuilder::ReadAseGeometry(in, out, error);
    Require(accepted == error.empty());
    if (accepted) CheckGroups(out.Bytes());
    return 0;
}
