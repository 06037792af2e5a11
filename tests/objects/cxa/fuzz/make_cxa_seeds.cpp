// Writes the fuzzer's seed corpus into the folder given: definitions as the
// writer makes them, with and without geometry.

#include "objects/cxa/CxaWriter.h"
#include "tests/objects/cxa/CxaSamples.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const cxa::GeometryAppender sampleMesh = cxa_test::GeometryGroup(cxa_test::SampleVertices(), cxa_test::SampleFaces());

    cxa::DefinitionForm withoutMesh = cxa_test::SampleForm();
    withoutMesh.useCustomGeometry = false;
    cxa::DefinitionForm empty;
    empty.className = "Empty";
    cxa::DefinitionForm longTexts;
    longTexts.className = std::string(cxa::kMaxClassNameLength, 'C');
    longTexts.rows = {{std::string(cxa::kMaxNameLength, 'n'), "ENUM", std::string(cxa::kMaxT3dNameLength, 't'), "2",
                       std::string(cxa::kMaxEnumValuesLength, ',')}};

    bool written = cxa::WriteDefinitionFile(folder + "/sample.cxa", cxa_test::SampleForm(), sampleMesh) &&
                   cxa::WriteDefinitionFile(folder + "/no_mesh.cxa", withoutMesh, {}) &&
                   cxa::WriteDefinitionFile(folder + "/empty.cxa", empty, {}) &&
                   cxa::WriteDefinitionFile(folder + "/long_texts.cxa", longTexts, {});
    if (!written) std::fprintf(stderr, "cannot write the seeds into %s\n", folder.c_str());
    return written ? 0 : 1;
}
