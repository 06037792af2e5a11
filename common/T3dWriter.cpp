#include "common/T3dWriter.h"

#include "common/MapBrushes.h"
#include "common/SinkText.h"
#include "host/os/Files.h"
#include "host/scene/Mesh.h"

#include <algorithm>

using textout::AppendFloat;
using textout::AppendFormatted;
using textout::AppendLineEnd;
using textout::AppendLineText;
using textout::AppendLong;
using textout::AppendTabs;
using textout::FormatFloat;
using textout::FormatLong;
using textout::FormatPaddedLong;
using textout::kFloatTextMax;
using textout::kLongTextMax;

T3dWriter::T3dWriter(std::size_t chunkSize) : mapFile(chunkSize), execFile(chunkSize), aseFile(chunkSize) {}

bool T3dWriter::Open(std::string_view path) {
    Close();
    // Paths chosen in the host may be Windows-style; both separators count.
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos) return false;
    directory.assign(path.substr(0, separator + 1));
    const std::string_view fileName = path.substr(separator + 1);
    baseName.assign(fileName.substr(0, fileName.find_last_of('.')));

    // The actor file is temporary anyway; the others replace the previous
    // export's files only when the whole export is written. Whatever had the
    // actor file's name goes first: a link there is not followed.
    const std::string actorPath = OutputPath("._3d");
    os::DeleteFile(actorPath);
    if (!mapFile.CreateInPlace(actorPath)) return false;
    if (execFile.Create(OutputPath(".exec"))) return true;
    mapFile.Close();
    os::DeleteFile(actorPath);
    return false;
}

bool T3dWriter::OpenMap() {
    mapFile.Close();
    return !directory.empty() && mapFile.Create(OutputPath(".t3d"));
}

bool T3dWriter::FinishMap(const Point3& firstCorner, const Point3& secondCorner, bool boundingBrush) {
    // A writer that never split a path has no files to finish (and must not
    // delete an actor file of the current folder).
    if (directory.empty()) return false;
    const bool mapCreated = OpenMap();
    depth = 0;
    Begin("Map");
    map_brushes::WriteBuilderBrush(*this);
    if (boundingBrush) map_brushes::WriteBoundingBrush(*this, firstCorner, secondCorner);
    CopyActorFile();
    Begin("Surface");
    End("Surface");
    End("Map");
    mapFile.Close();
    execFile.Close();
    os::DeleteFile(OutputPath("._3d"));
    return PutInPlace(mapCreated);
}

bool T3dWriter::PutInPlace(bool complete) {
    // All files of an export or none: a failed one keeps the previous export whole.
    if (complete && !WriteFailed() && aseFile.Commit() && execFile.Commit() && mapFile.Commit()) return true;
    for (textout::ByteSink* sink : {&aseFile, &execFile, &mapFile}) sink->Discard();
    return false;
}

void T3dWriter::CopyActorFile() {
    // Missing actor text leaves a map of the brushes alone.
    os::File actors = os::File::OpenRead(OutputPath("._3d"));
    if (!actors.IsOpen()) return;
    char block[1024];
    for (long size; (size = actors.Read(block, sizeof block)) > 0;)
        mapFile.Append(std::string_view(block, static_cast<std::size_t>(size)));
}

bool T3dWriter::Close() { return PutInPlace(true); }

bool T3dWriter::WriteFailed() const {
    return aseCreateFailed || mapFile.Failed() || execFile.Failed() || aseFile.Failed();
}

std::string T3dWriter::FailureText() const {
    for (const textout::ByteSink* sink : {&mapFile, &execFile, &aseFile}) {
        std::string text = sink->FailureText();
        if (!text.empty()) return text;
    }
    return {};
}

std::string T3dWriter::OutputPath(std::string_view extension) const {
    std::string path = directory;
    path += baseName;
    path += extension;
    return path;
}

void T3dWriter::StartMapLine() { AppendTabs(mapFile, depth); }

void T3dWriter::StartKeyLine(std::string_view key) {
    StartMapLine();
    AppendLineText(mapFile, key);
    mapFile.Append('=');
}

void T3dWriter::EndMapLine() { AppendLineEnd(mapFile); }

void T3dWriter::BeginActor(std::string_view className, std::string_view actorName) {
    StartMapLine();
    mapFile.Append("Begin Actor Class=");
    AppendLineText(mapFile, className);
    mapFile.Append(" Name=");
    AppendLineText(mapFile, actorName);
    EndMapLine();
    ++depth;
}

void T3dWriter::WriteString(std::string_view key, std::string_view value, bool quoted) {
    StartKeyLine(key);
    if (quoted) mapFile.Append('"');
    AppendLineText(mapFile, value);
    if (quoted) mapFile.Append('"');
    EndMapLine();
}

void T3dWriter::WriteLong(std::string_view key, std::int32_t value) {
    StartKeyLine(key);
    AppendLong(mapFile, value);
    EndMapLine();
}

void T3dWriter::WriteFloat(std::string_view key, float value) {
    StartKeyLine(key);
    AppendFloat(mapFile, value);
    EndMapLine();
}

void T3dWriter::WriteVector(std::string_view key, const Point3& value) {
    StartKeyLine(key);
    mapFile.Append("(X=");
    AppendFloat(mapFile, value.x);
    mapFile.Append(",Y=");
    AppendFloat(mapFile, value.y);
    mapFile.Append(",Z=");
    AppendFloat(mapFile, value.z);
    mapFile.Append(')');
    EndMapLine();
}

void T3dWriter::Begin(std::string_view block) {
    StartMapLine();
    mapFile.Append("Begin ");
    AppendLineText(mapFile, block);
    EndMapLine();
    ++depth;
}

void T3dWriter::End(std::string_view block) {
    --depth;
    StartMapLine();
    mapFile.Append("End ");
    AppendLineText(mapFile, block);
    EndMapLine();
}

void T3dWriter::BeginBrush(std::string_view brushName) {
    StartMapLine();
    mapFile.Append("Begin Brush Name=");
    AppendLineText(mapFile, brushName);
    EndMapLine();
    ++depth;
}

void T3dWriter::WritePolygonVector(std::string_view label, float x, float y, float z) {
    StartMapLine();
    mapFile.Append(label);
    AppendFloat(mapFile, x);
    mapFile.Append(',');
    AppendFloat(mapFile, y);
    mapFile.Append(',');
    AppendFloat(mapFile, z);
    EndMapLine();
}

void T3dWriter::WritePolygon(const Point3* origin, const Point3* normal, const Point3* textureU,
                             const Point3* textureV, const float* vertices, int count,
                             const char* texture) {
    StartMapLine();
    mapFile.Append("Begin Polygon");
    if (texture) {
        mapFile.Append(" Texture=");
        AppendLineText(mapFile, texture);
    }
    EndMapLine();
    ++depth;

    // The labels are padded so that the numbers of all lines line up.
    const struct {
        const Point3* vector;
        std::string_view label;
    } axes[] = {{origin, "Origin   "}, {normal, "Normal   "}, {textureU, "TextureU "}, {textureV, "TextureV "}};
    for (const auto& axis : axes) {
        if (axis.vector) WritePolygonVector(axis.label, axis.vector->x, axis.vector->y, axis.vector->z);
    }
    if (vertices) {
        for (int i = 0; i < count; ++i, vertices += 3) WritePolygonVector("Vertex   ", vertices[0], vertices[1], vertices[2]);
    }

    --depth;
    StartMapLine();
    mapFile.Append("End Polygon");
    EndMapLine();
}

void T3dWriter::WriteExecLine(std::string_view text) {
    // The line's own quotes enclose its paths and names; it stays one line.
    AppendLineText(execFile, text, false);
    AppendLineEnd(execFile);
}

namespace {

char* Put(char* out, std::string_view text) {
    text.copy(out, text.size());
    return out + text.size();
}

char* PutLineEnd(char* out) { return Put(out, "\r\n"); }

constexpr std::string_view kFaceKey = "*MESH_FACE ";
constexpr std::string_view kFaceEdges = " AB:1 BC:1 CA:1 *MESH_SMOOTHING ";
constexpr std::string_view kFaceMaterial = "\t*MESH_MTLID ";
// "1,2,...,32": nine one-digit and 23 two-digit numbers, 31 commas.
constexpr std::size_t kSmoothingTextMax = 9 + 23 * 2 + 31;
// Five numbers: the face's index, its three corners and its material id.
constexpr std::size_t kFaceLineMax = kFaceKey.size() + 5 * kLongTextMax + (4 + 3 + 3) + kFaceEdges.size() +
                                     kSmoothingTextMax + kFaceMaterial.size() + 1;

// The face's smoothing groups, numbered from 1 and separated by commas.
char* PutSmoothingGroups(char* out, std::uint32_t mask) {
    if (mask == 0) return Put(out, "0");
    bool first = true;
    for (std::int32_t group = 0; group < 32; ++group) {
        if (!(mask & (1u << group))) continue;
        if (!first) *out++ = ',';
        first = false;
        out = FormatLong(out, group + 1);
    }
    return out;
}

}  // namespace

bool T3dWriter::OpenAse(std::string_view meshName, std::string_view packageFolder) {
    // Without a path split by Open there is no known folder to put it in.
    if (directory.empty()) return false;
    std::string path = directory;
    path += "ase_";
    path += packageFolder;
    // An existing folder is fine; a missing one shows when the file fails.
    os::CreateDirectory(path);
    path += '\\';
    path += meshName;
    path += ".ase";
    if (aseFile.Create(path)) return true;
    // Its node is then missing from the map: the export has failed.
    aseCreateFailed = true;
    return false;
}

void T3dWriter::CloseAse() { aseFile.Close(); }

void T3dWriter::StartAseKeyLine(std::string_view key) {
    AppendTabs(aseFile, aseDepth);
    aseFile.Append('*');
    aseFile.Append(key);
    aseFile.Append(' ');
}

void T3dWriter::AseLong(std::string_view key, std::int32_t value) {
    StartAseKeyLine(key);
    char text[kLongTextMax + 2];
    AppendFormatted(aseFile, text, PutLineEnd(FormatLong(text, value)));
}

void T3dWriter::AseString(std::string_view key, std::string_view text, bool quoted) {
    StartAseKeyLine(key);
    // An unquoted value is the exporter's own (numbers, tab-separated).
    if (quoted) {
        aseFile.Append('"');
        AppendLineText(aseFile, text);
        aseFile.Append('"');
    } else {
        aseFile.Append(text);
    }
    AppendLineEnd(aseFile);
}

void T3dWriter::AseFloat(std::string_view key, float value) {
    StartAseKeyLine(key);
    char text[kFloatTextMax + 2];
    AppendFormatted(aseFile, text, PutLineEnd(FormatFloat(text, value)));
}

void T3dWriter::AseIndexedVector(std::string_view key, std::int32_t index, const Point3& value) {
    StartAseKeyLine(key);
    char text[kLongTextMax + 3 * (1 + kFloatTextMax) + 2];
    char* end = FormatPaddedLong(text, index, 5);
    for (float component : {value.x, value.y, value.z}) {
        *end++ = '\t';
        end = FormatFloat(end, component);
    }
    AppendFormatted(aseFile, text, PutLineEnd(end));
}

void T3dWriter::AseBeginBlock(std::string_view key, std::int32_t number) {
    StartAseKeyLine(key);
    char text[kLongTextMax + 4];
    char* end = text;
    if (number != NoNumber) end = Put(FormatLong(end, number), " ");
    AppendFormatted(aseFile, text, PutLineEnd(Put(end, "{")));
    ++aseDepth;
}

void T3dWriter::AseEndBlock() {
    --aseDepth;
    AppendTabs(aseFile, aseDepth);
    aseFile.Append("}\r\n");
}

void T3dWriter::AseFace(const Face& face, std::int32_t index, std::int32_t highestMaterialId) {
    AppendTabs(aseFile, aseDepth);
    // The host keeps vertex indices unsigned; "%ld" reads them as signed
    // 32-bit numbers.
    const auto corner = [&face](int i) { return static_cast<std::int32_t>(face.getVert(i)); };
    const std::int32_t materialId = std::min<std::int32_t>(face.getMatID(), highestMaterialId);

    char text[kFaceLineMax];
    char* end = FormatPaddedLong(Put(text, kFaceKey), index, 5);
    end = FormatPaddedLong(Put(end, ": A:"), corner(0), 5);
    end = FormatPaddedLong(Put(end, " B:"), corner(1), 5);
    end = FormatPaddedLong(Put(end, " C:"), corner(2), 5);
    end = PutSmoothingGroups(Put(end, kFaceEdges), face.getSmGroup());
    end = FormatPaddedLong(Put(end, kFaceMaterial), materialId, 2);
    AppendFormatted(aseFile, text, Put(end, "\n"));
}
