#include "common/MapBrushes.h"

#include "common/T3dWriter.h"

#include <string>

namespace map_brushes {
namespace {

// A box corner picked per axis: '-' takes the first corner's coordinate,
// '+' the second's.
using CornerPick = const char*;

struct BoxFace {
    CornerPick origin;
    Point3 normal;
    Point3 textureU;
    Point3 textureV;
    CornerPick vertices[4];  // the builder brush's order
};

const BoxFace kBoxFaces[] = {
    {"---", {-1, 0, 0}, {0, 1, 0}, {0, 0, -1}, {"---", "--+", "-++", "-+-"}},
    {"-+-", {0, 1, 0}, {1, 0, 0}, {0, 0, -1}, {"-+-", "-++", "+++", "++-"}},
    {"++-", {1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {"++-", "+++", "+-+", "+--"}},
    {"+--", {0, -1, 0}, {-1, 0, 0}, {0, 0, -1}, {"+--", "+-+", "--+", "---"}},
    {"-++", {0, 0, 1}, {1, 0, 0}, {0, 1, 0}, {"-++", "--+", "+-+", "+++"}},
    {"---", {0, 0, -1}, {1, 0, 0}, {0, -1, 0}, {"---", "-+-", "++-", "+--"}},
};

struct Box {
    const char* name;
    Point3 first;
    Point3 second;
    // A subtractive box carves space out: its faces list their vertices the
    // other way round.
    bool subtractive;

    Point3 Corner(CornerPick pick) const {
        Point3 corner;
        for (int axis = 0; axis < 3; ++axis) corner[axis] = pick[axis] == '+' ? second[axis] : first[axis];
        return corner;
    }
};

void WriteFace(T3dWriter& writer, const Box& box, const BoxFace& face) {
    constexpr int kCount = 4;
    float vertices[kCount * 3];
    for (int i = 0; i < kCount; ++i) {
        const Point3 corner = box.Corner(face.vertices[box.subtractive ? kCount - 1 - i : i]);
        for (int axis = 0; axis < 3; ++axis) vertices[i * 3 + axis] = corner[axis];
    }
    const Point3 origin = box.Corner(face.origin);
    writer.WritePolygon(&origin, &face.normal, &face.textureU, &face.textureV, vertices, kCount, nullptr);
}

void WriteBoxBrush(T3dWriter& writer, const Box& box) {
    const std::string model = std::string(box.name) + "_BRUSH";
    writer.BeginActor("Brush", box.name);
    if (box.subtractive) writer.WriteString("CsgOper", "CSG_Subtract", false);
    writer.WriteString("MainScale", "(SheerAxis=SHEER_ZX)", false);
    writer.WriteString("PostScale", "(SheerAxis=SHEER_ZX)", false);
    writer.WriteString("Tag", box.name, true);
    writer.BeginBrush(model);
    writer.Begin("PolyList");
    for (const BoxFace& face : kBoxFaces) WriteFace(writer, box, face);
    writer.End("PolyList");
    writer.End("Brush");
    writer.WriteString("Brush", "Model'myLevel." + model + "'", false);
    writer.WriteString("Name", box.name, true);
    writer.End("Actor");
}

}  // namespace

void WriteBuilderBrush(T3dWriter& writer) {
    constexpr float kHalfEdge = 256.0f;
    WriteBoxBrush(writer, Box{"cxActiveBrush", {-kHalfEdge, -kHalfEdge, -kHalfEdge},
                              {kHalfEdge, kHalfEdge, kHalfEdge}, false});
}

void WriteBoundingBrush(T3dWriter& writer, const Point3& firstCorner, const Point3& secondCorner) {
    WriteBoxBrush(writer, Box{"cxBoundBrush", firstCorner, secondCorner, true});
}

}  // namespace map_brushes
