#include "actorbuilder/AseGeometryReader.h"

#include "actorbuilder/AseNumbers.h"
#include "objects/cxa/CxaFormat.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace actorbuilder {
namespace {

enum class Key { kNumVertex, kNumFaces, kVertexList, kVertex, kFaceList, kFace, kSmoothing, kMaterialId, kOther };

constexpr std::pair<std::string_view, Key> kKeys[] = {
    {"MESH_NUMVERTEX", Key::kNumVertex}, {"MESH_NUMFACES", Key::kNumFaces}, {"MESH_VERTEX_LIST", Key::kVertexList},
    {"MESH_VERTEX", Key::kVertex},       {"MESH_FACE_LIST", Key::kFaceList}, {"MESH_FACE", Key::kFace},
    {"MESH_SMOOTHING", Key::kSmoothing}, {"MESH_MTLID", Key::kMaterialId},
};

// The key buffer holds 127 bytes and a NUL; a longer key matches nothing.
constexpr std::size_t kMaxKeyLength = 127;

bool IsKeyByte(int byte) { return byte > 32 && byte < 128; }

// The key after a '*': one whole token, whatever its length; the byte that
// ends it is consumed.
Key ReadKey(ByteStream& in) {
    int byte = in.Next();
    while (byte != ByteStream::kEnd && !IsKeyByte(byte)) byte = in.Next();
    std::string key;
    bool tooLong = false;
    for (; IsKeyByte(byte); byte = in.Next()) {
        if (key.size() < kMaxKeyLength)
            key.push_back(static_cast<char>(byte));
        else
            tooLong = true;
    }
    if (tooLong) return Key::kOther;
    for (const auto& [name, code] : kKeys) {
        if (cxa::EqualIgnoringCase(key, name)) return code;
    }
    return Key::kOther;
}

struct Face {
    std::int32_t corners[3] = {0, 0, 0};
    std::int32_t edges = 0;
    std::int32_t smoothing = 0;
    std::int32_t materialId = 0;
};

class Scanner {
public:
    Scanner(ByteStream& in, cxa::CxaOutput& out) : in_(in), out_(out) {}

    bool Run();
    const std::string& Error() const { return error_; }

private:
    bool OnKey(Key key);
    bool OnCount(std::optional<std::int32_t>& count, const char* key);
    bool OnVertexList();
    bool OnVertex();
    bool OnFaceList();
    bool OnFace();
    // The number after a face field's key; 0 for an empty field, where the
    // next key follows. Of a comma list of groups, the first.
    std::int32_t FieldNumber();
    // The smoothing and material fields follow their face's corners; the
    // face is written at the next other key or at the end.
    void WriteFace();
    bool OpenListComplete();
    bool Finish();
    bool Fail(const std::string& what);

    ByteStream& in_;
    cxa::CxaOutput& out_;
    // A count read and not yet taken by its list: each list takes its own.
    std::optional<std::int32_t> vertexCount_;
    std::optional<std::int32_t> faceCount_;
    bool faceListDue_ = false;  // a mesh's vertex list was written, its face list not yet
    int meshes_ = 0;            // face lists written
    std::int32_t meshVertices_ = 0;
    std::int32_t verticesLeft_ = 0;
    std::int32_t facesLeft_ = 0;
    std::optional<Face> face_;
    std::string error_;
};

bool Scanner::Run() {
    for (int byte = in_.Next(); byte != ByteStream::kEnd; byte = in_.Next()) {
        if (byte != '*') continue;
        const Key key = ReadKey(in_);
        if (key != Key::kSmoothing && key != Key::kMaterialId) WriteFace();
        if (!OnKey(key)) return false;
    }
    WriteFace();
    return Finish();
}

bool Scanner::OnKey(Key key) {
    switch (key) {
    case Key::kNumVertex: return OnCount(vertexCount_, "MESH_NUMVERTEX");
    case Key::kNumFaces: return OnCount(faceCount_, "MESH_NUMFACES");
    case Key::kVertexList: return OnVertexList();
    case Key::kVertex: return OnVertex();
    case Key::kFaceList: return OnFaceList();
    case Key::kFace: return OnFace();
    case Key::kSmoothing:
        if (face_) face_->smoothing = FieldNumber();
        return true;
    case Key::kMaterialId:
        if (face_) face_->materialId = FieldNumber();
        return true;
    case Key::kOther: return true;
    }
    return true;
}

bool Scanner::OnCount(std::optional<std::int32_t>& count, const char* key) {
    std::int32_t value = 0;
    if (!ReadInteger(in_, value)) return Fail(std::string(key) + " without its number");
    count = value;
    return true;
}

bool Scanner::OnVertexList() {
    if (!OpenListComplete()) return false;
    if (faceListDue_) return Fail("a second MESH_VERTEX_LIST before the mesh's MESH_FACE_LIST");
    if (!vertexCount_) return Fail("MESH_VERTEX_LIST before its MESH_NUMVERTEX");
    if (meshes_ == 0 && *vertexCount_ == 0) return Fail("the first mesh has no vertices");
    out_.I32(*vertexCount_);
    meshVertices_ = verticesLeft_ = *vertexCount_;
    vertexCount_.reset();
    faceListDue_ = true;
    return true;
}

bool Scanner::OnVertex() {
    if (verticesLeft_ == 0) return Fail("MESH_VERTEX outside a MESH_VERTEX_LIST or beyond its MESH_NUMVERTEX");
    std::int32_t number = 0;
    float xyz[3] = {0, 0, 0};
    if (!ReadInteger(in_, number) || !ReadFloat(in_, xyz[0]) || !ReadFloat(in_, xyz[1]) || !ReadFloat(in_, xyz[2]))
        return Fail("MESH_VERTEX needs its number and three coordinates");
    for (float coordinate : xyz) out_.F32(coordinate);
    --verticesLeft_;
    return true;
}

bool Scanner::OnFaceList() {
    if (!OpenListComplete()) return false;
    if (!faceListDue_) return Fail("MESH_FACE_LIST before the mesh's MESH_VERTEX_LIST");
    if (!faceCount_) return Fail("MESH_FACE_LIST before its MESH_NUMFACES");
    if (meshes_ == 0 && *faceCount_ == 0) return Fail("the first mesh has no faces");
    out_.I32(*faceCount_);
    facesLeft_ = *faceCount_;
    faceCount_.reset();
    faceListDue_ = false;
    ++meshes_;
    return true;
}

bool Scanner::OnFace() {
    if (facesLeft_ == 0) return Fail("MESH_FACE outside a MESH_FACE_LIST or beyond its MESH_NUMFACES");
    // The face number, the corners A, B, C and the edges AB, BC, CA; the
    // labels between them are skipped as non-digits.
    std::int32_t fields[7] = {};
    for (std::int32_t& field : fields) {
        if (!ReadInteger(in_, field)) return Fail("MESH_FACE needs its number, A, B, C, AB, BC and CA");
    }
    Face face;
    for (int corner = 0; corner < 3; ++corner) {
        face.corners[corner] = fields[1 + corner];
        if (face.corners[corner] >= meshVertices_)
            return Fail("MESH_FACE names vertex " + std::to_string(face.corners[corner]) + " of a mesh of " +
                        std::to_string(meshVertices_) + " vertices");
    }
    face.edges = (fields[4] != 0 ? 4 : 0) + (fields[5] != 0 ? 2 : 0) + (fields[6] != 0 ? 1 : 0);
    face_ = face;
    --facesLeft_;
    return true;
}

std::int32_t Scanner::FieldNumber() {
    std::int32_t value = 0;
    return ReadInteger(in_, value) ? value : 0;
}

void Scanner::WriteFace() {
    if (!face_) return;
    for (std::int32_t corner : face_->corners) out_.I32(corner);
    out_.I32(face_->edges);
    out_.I32(face_->smoothing);
    out_.I32(face_->materialId);
    face_.reset();
}

bool Scanner::OpenListComplete() {
    if (verticesLeft_ > 0)
        return Fail("the MESH_VERTEX_LIST ends " + std::to_string(verticesLeft_) +
                    " vertices short of its MESH_NUMVERTEX");
    if (facesLeft_ > 0)
        return Fail("the MESH_FACE_LIST ends " + std::to_string(facesLeft_) + " faces short of its MESH_NUMFACES");
    return true;
}

bool Scanner::Finish() {
    if (in_.ReadFailed()) return Fail("");
    if (!OpenListComplete()) return false;
    if (faceListDue_) return Fail("the last mesh has no MESH_FACE_LIST");
    if (meshes_ == 0) return Fail("no mesh (no MESH_VERTEX_LIST)");
    return true;
}

bool Scanner::Fail(const std::string& what) {
    const std::string line = "line " + std::to_string(in_.Line()) + ": ";
    error_ = line + (in_.ReadFailed() ? "cannot be read: " + os::LastError() : what);
    return false;
}

}  // namespace

bool ReadAseGeometry(ByteStream& in, cxa::CxaOutput& out, std::string& error) {
    Scanner scanner(in, out);
    if (scanner.Run()) return true;
    error = scanner.Error();
    return false;
}

bool ReadAseGeometryFile(std::string_view path, cxa::CxaOutput& out, std::string& error) {
    os::File file = os::File::OpenRead(path);
    if (!file.IsOpen()) {
        error = std::string(path) + ": cannot be opened: " + os::LastError();
        return false;
    }
    ByteStream in(file);
    if (ReadAseGeometry(in, out, error)) return true;
    error = std::string(path) + " " + error;
    return false;
}

}  // namespace actorbuilder
