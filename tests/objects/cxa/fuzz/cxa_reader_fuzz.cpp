// Arbitrary bytes through the three readers. Beyond the sanitizers' checks,
// the readers must agree: the scan and the read-back take the same header,
// and a full read that succeeds has read the same records as the read-back.

#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/ClassNameReader.h"
#include "objects/cxa/EditableReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckDefinition(const ActorDef& def, const cxa::EditableDefinition& editable) {
    Require(def.values.size() == def.properties.size());
    Require(editable.properties.size() == def.properties.size());
    for (std::size_t i = 0; i < def.properties.size(); ++i) {
        Require(def.properties[i].type == editable.properties[i].type);
        Require(def.properties[i].name.View().substr(0, cxa::kEditNameField - 1) ==
                editable.properties[i].name.View());
    }
    if (!def.mesh) return;
    Require(!def.mesh->vertices.empty() && !def.mesh->faces.empty());
    for (const ActorFace& face : def.mesh->faces) {
        for (std::uint32_t v : face.verts) Require(v < def.mesh->vertices.size());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    cxa::LibraryClassName className;
    const bool scanned = cxa::ReadClassName(bytes, className);
    cxa::EditableDefinition editable;
    Require(cxa::ReadEditable(bytes, editable) == scanned);
    if (!scanned) return 0;
    Require(editable.className.View().substr(0, cxa::kLibraryClassNameField - 1) == className.View());

    // The read-back's class name is as long as the full read's, so it passes
    // the comparison and the full read goes on to the records.
    ActorDef def;
    if (cxa::ReadActorDef(bytes, editable.className.View(), def)) CheckDefinition(def, editable);
    return 0;
}
