#pragma once
// The ASE geometry reader: a streaming key scanner that writes the meshes of
// an ASE file as the geometry block of a CXA file, one group per mesh (the
// vertex count, the vertices, the face count, the faces), in file order.

#include "actorbuilder/ByteStream.h"
#include "objects/cxa/CxaOutput.h"

#include <string>
#include <string_view>

namespace actorbuilder {

// Appends the groups of the ASE text in `in` to out. Keys are whole tokens
// after '*', compared without regard to case; all but the mesh keys are
// skipped. Fails, with what is wrong and its line in error, on a file
// without a mesh, a list before its count, a list whose entries differ from
// its count, a face naming a vertex outside its mesh, a first mesh without
// vertices or faces, a broken vertex or face line, or a read failure.
// Part of a group may have been appended when it fails.
bool ReadAseGeometry(ByteStream& in, cxa::CxaOutput& out, std::string& error);

// The same for the file at path; error then begins with the path.
bool ReadAseGeometryFile(std::string_view path, cxa::CxaOutput& out, std::string& error);

}  // namespace actorbuilder
