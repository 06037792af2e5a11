#pragma once
// The one output object of an export: the map text (first into a temporary
// actor file, at the end into the map itself), the EXEC script and the
// static-mesh files. The three plug-in modules are built from this one source
// and call its operations on an object that another module created, so the
// class keeps a plain layout: no virtual functions.
//
// Every line ends with CR LF (but the ASE face line); map lines are indented
// by `depth` tabs, ASE lines by `aseDepth` tabs. A line is formatted
// straight into its file's sink, so a line of any length is written whole.
// Texts given to it (keys, values, names; quoted ASE texts) may come from
// anywhere: each stays within its line and quotes (control characters become
// blanks, '"' becomes '\''; in EXEC lines, whose quotes are their own, only
// the former).
//
// The map, the EXEC script and the ASE files are written under temporary
// names and renamed over the previous export's files together at the end,
// and only when every write succeeded.

#include "common/ByteSink.h"
#include "host/math/Point3.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class Face;

class T3dWriter {
public:
    explicit T3dWriter(std::size_t chunkSize = textout::ByteSink::kDefaultChunkSize);
    T3dWriter(const T3dWriter&) = delete;
    T3dWriter& operator=(const T3dWriter&) = delete;

    // Splits path at its last '\' or '/' into the directory (keeping that
    // separator) and the base name (the rest up to its last '.', all of it
    // when it has none), then creates "<directory><baseName>._3d" as the map
    // text and "<directory><baseName>.exec" as the EXEC script. False, with
    // no file left behind, when the path has no separator or a file cannot
    // be created.
    bool Open(std::string_view path);
    // Closes the temporary actor file and creates "<directory><baseName>.t3d"
    // as the map text. False when it cannot be created or Open never split a
    // path.
    bool OpenMap();
    // Closes every open file, writing what is collected, and gives the
    // files their real names; after a failed write removes them instead
    // (false, os::LastError() telling why).
    bool Close();
    // Assembles the map at the end of an export: the map block with the
    // builder brush, the bounding brush from firstCorner (the minimum on
    // every axis) to secondCorner when boundingBrush is set, the actor file's
    // text copied unchanged and the empty surface block. Then closes the map
    // and the EXEC script, deletes the actor file and gives the files their
    // real names as Close does. False, with none of them renamed, when the
    // map file could not be created or a write failed, and when Open never
    // split a path (nothing is done).
    bool FinishMap(const Point3& firstCorner, const Point3& secondCorner, bool boundingBrush);

    // Map lines.
    void BeginActor(std::string_view className, std::string_view actorName);
    void WriteString(std::string_view key, std::string_view value, bool quoted);
    void WriteLong(std::string_view key, std::int32_t value);
    void WriteFloat(std::string_view key, float value);
    void WriteVector(std::string_view key, const Point3& value);
    void Begin(std::string_view block);
    void End(std::string_view block);
    void BeginBrush(std::string_view brushName);
    // A polygon block. Each vector may be null (no line for it); vertices
    // holds count X, Y, Z triples; a null texture writes no Texture= field.
    void WritePolygon(const Point3* origin, const Point3* normal, const Point3* textureU,
                      const Point3* textureV, const float* vertices, int count, const char* texture);

    // One line of the EXEC script, not indented; nothing before Open.
    void WriteExecLine(std::string_view text);

    // Static-mesh (ASE) files, one open at a time. Their lines are indented
    // by aseDepth tabs and end with CR LF, except the face line (LF alone).

    // The block number that AseBeginBlock leaves out of its line.
    static constexpr std::int32_t NoNumber = -493;
    // Creates the folder "<directory>ase_<packageFolder>" (an existing one is
    // fine) and in it "<meshName>.ase" as the ASE text, replacing any file of
    // that name when the export is put in place. False when the file cannot be created (a failed write:
    // its node is missing) or Open never split a path.
    bool OpenAse(std::string_view meshName, std::string_view packageFolder);
    // Closes the ASE file, writing what is collected; nothing when none is open.
    void CloseAse();
    void AseLong(std::string_view key, std::int32_t value);
    void AseString(std::string_view key, std::string_view text, bool quoted);
    void AseFloat(std::string_view key, float value);
    // The index right-aligned in five characters, then the vector's X, Y, Z.
    void AseIndexedVector(std::string_view key, std::int32_t index, const Point3& value);
    // "*<key> <number> {", or "*<key> {" for NoNumber; the block's lines go
    // one tab deeper.
    void AseBeginBlock(std::string_view key, std::int32_t number);
    void AseEndBlock();
    // The face line of face number index: its corners, its smoothing groups
    // (1-based, "0" for none) and its material id, limited to
    // highestMaterialId so that it names a declared sub-material.
    void AseFace(const Face& face, std::int32_t index, std::int32_t highestMaterialId);

    std::int32_t Depth() const { return depth; }
    std::int32_t AseDepth() const { return aseDepth; }
    // Ends with the separator found in the path given to Open.
    const std::string& Directory() const { return directory; }
    const std::string& BaseName() const { return baseName; }
    // True once a write to any of the files failed (the text goes on
    // regardless; the export reports a full disk at its end).
    bool WriteFailed() const;
    // "<file>: <reason>" of the first output file that could not be created,
    // written or renamed; empty when none failed.
    std::string FailureText() const;

private:
    std::string OutputPath(std::string_view extension) const;
    bool PutInPlace(bool complete);
    void StartMapLine();
    void StartKeyLine(std::string_view key);
    void EndMapLine();
    void WritePolygonVector(std::string_view label, float x, float y, float z);
    void CopyActorFile();
    void StartAseKeyLine(std::string_view key);

    std::int32_t depth = 1;  // the actor file's text sits inside the map block
    std::int32_t aseDepth = 0;
    textout::ByteSink mapFile;
    textout::ByteSink execFile;
    textout::ByteSink aseFile;
    std::string directory;
    std::string baseName;
    bool aseCreateFailed = false;
};
