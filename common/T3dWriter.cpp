#include "common/T3dWriter.h"

#include "common/MapBrushes.h"
#include "common/SinkText.h"
#include "host/os/Files.h"

using textout::AppendFloat;
using textout::AppendLineEnd;
using textout::AppendLong;
using textout::AppendTabs;

T3dWriter::T3dWriter(std::size_t chunkSize) : mapFile(chunkSize), execFile(chunkSize), aseFile(chunkSize) {}

bool T3dWriter::Open(std::string_view path) {
    Close();
    // Paths chosen in the host may be Windows-style; both separators count.
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos) return false;
    directory.assign(path.substr(0, separator + 1));
    const std::string_view fileName = path.substr(separator + 1);
    baseName.assign(fileName.substr(0, fileName.find_last_of('.')));

    const std::string actorPath = OutputPath("._3d");
    if (!mapFile.Create(actorPath)) return false;
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
    return mapCreated;
}

void T3dWriter::CopyActorFile() {
    // Missing actor text leaves a map of the brushes alone.
    os::File actors = os::File::OpenRead(OutputPath("._3d"));
    if (!actors.IsOpen()) return;
    char block[1024];
    for (long size; (size = actors.Read(block, sizeof block)) > 0;)
        mapFile.Append(std::string_view(block, static_cast<std::size_t>(size)));
}

void T3dWriter::Close() {
    mapFile.Close();
    execFile.Close();
    aseFile.Close();
}

bool T3dWriter::WriteFailed() const { return mapFile.Failed() || execFile.Failed() || aseFile.Failed(); }

std::string T3dWriter::OutputPath(std::string_view extension) const {
    std::string path = directory;
    path += baseName;
    path += extension;
    return path;
}

void T3dWriter::StartMapLine() { AppendTabs(mapFile, depth); }

void T3dWriter::StartKeyLine(std::string_view key) {
    StartMapLine();
    mapFile.Append(key);
    mapFile.Append('=');
}

void T3dWriter::EndMapLine() { AppendLineEnd(mapFile); }

void T3dWriter::BeginActor(std::string_view className, std::string_view actorName) {
    StartMapLine();
    mapFile.Append("Begin Actor Class=");
    mapFile.Append(className);
    mapFile.Append(" Name=");
    mapFile.Append(actorName);
    EndMapLine();
    ++depth;
}

void T3dWriter::WriteString(std::string_view key, std::string_view value, bool quoted) {
    StartKeyLine(key);
    if (quoted) mapFile.Append('"');
    mapFile.Append(value);
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
    mapFile.Append(block);
    EndMapLine();
    ++depth;
}

void T3dWriter::End(std::string_view block) {
    --depth;
    StartMapLine();
    mapFile.Append("End ");
    mapFile.Append(block);
    EndMapLine();
}

void T3dWriter::BeginBrush(std::string_view brushName) {
    StartMapLine();
    mapFile.Append("Begin Brush Name=");
    mapFile.Append(brushName);
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
        mapFile.Append(texture);
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
    execFile.Append(text);
    AppendLineEnd(execFile);
}
