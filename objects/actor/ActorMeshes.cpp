#include "objects/actor/ActorMeshes.h"

#include "objects/cxa/ActorDef.h"
#include "objects/shared/MeshBuilder.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr float kPlateHalf = 16.0f;
constexpr float kPlateTop = 3.628f;
constexpr float kLetterHalfThickness = 3.5146f;

const Point3 kUp(0, 0, 1);
const Point3 kDown(0, 0, -1);
const Point3 kFront(1, 0, 0);
const Point3 kBack(-1, 0, 0);

// Out of the solid across edge p → q of an outline lying in the plane with
// normal n: to the right of a counter-clockwise outline, to the left of a
// hole's.
auto AwayFrom(const Point3& n, float sign) {
    return [n, sign](const Point3& p, const Point3& q) { return CrossProd(q - p, n) * sign; };
}

float Sign(float value) { return value >= 0 ? 1.0f : -1.0f; }

void AddPlate(MeshBuilder& mesh) {
    const std::vector<Point2> corners = {
        {-kPlateHalf, -kPlateHalf}, {kPlateHalf, -kPlateHalf}, {kPlateHalf, kPlateHalf}, {-kPlateHalf, kPlateHalf}};
    const int bottom = mesh.Layer(corners, [](Point2 p) { return Point3(p.u, p.v, 0); });
    const int top = mesh.Layer(corners, [](Point2 p) { return Point3(p.u, p.v, kPlateTop); });
    mesh.Quad(bottom, bottom + 1, bottom + 2, bottom + 3, kDown);
    mesh.Quad(top, top + 1, top + 2, top + 3, kUp);
    mesh.Sides(bottom, top, 4, [](int) { return true; }, AwayFrom(kUp, Sign(SignedArea2(corners))));
}

// The letter's outline and hole in (y, z).
const std::vector<Point2> kLetterOutline = {{6.6373f, 3.628f},   {4.8888f, 9.345f},     {-4.0286f, 9.345f},
                                            {-5.7779f, 3.628f},  {-12.9981f, 3.628f},   {-3.4795f, 31.8382f},
                                            {4.2408f, 31.8382f}, {13.7594f, 3.628f}};
const std::vector<Point2> kLetterHole = {{3.3292f, 14.4997f}, {0.4304f, 23.866f}, {-2.4698f, 14.4997f}};
// The outline's edges from corner 3 to 4 and from 7 to 0 stand on the plate.
bool LetterSideShows(int edge) { return edge != 3 && edge != 7; }

// One face of the letter: eleven triangles between the outline (o) and the
// hole (h), legs, crossbar and the parts above the crossbar.
void AddLetterFace(MeshBuilder& mesh, int o, int h, const Point3& outward) {
    const int faces[11][3] = {{o + 0, o + 7, o + 1}, {o + 1, o + 7, h + 0}, {o + 7, o + 6, h + 0},
                              {h + 0, o + 6, h + 1}, {h + 1, o + 6, o + 5}, {h + 1, o + 5, h + 2},
                              {h + 2, o + 5, o + 4}, {h + 2, o + 4, o + 2}, {o + 2, o + 4, o + 3},
                              {o + 1, h + 0, h + 2}, {o + 1, h + 2, o + 2}};
    // An edge is drawn when it runs along the outline or the hole.
    const auto onBoundary = [o, h](int a, int b) {
        const bool inOutline = a >= o && a < o + 8 && b >= o && b < o + 8;
        const bool inHole = a >= h && a < h + 3 && b >= h && b < h + 3;
        return inHole || (inOutline && (std::abs(a - b) == 1 || std::abs(a - b) == 7));
    };
    for (const auto& f : faces) {
        mesh.Triangle(f[0], f[1], f[2], outward, onBoundary(f[0], f[1]), onBoundary(f[1], f[2]),
                      onBoundary(f[2], f[0]));
    }
}

void AddLetter(MeshBuilder& mesh) {
    const auto at = [](float x) { return [x](Point2 p) { return Point3(x, p.u, p.v); }; };
    const int front = mesh.Layer(kLetterOutline, at(kLetterHalfThickness));
    const int back = mesh.Layer(kLetterOutline, at(-kLetterHalfThickness));
    const int holeFront = mesh.Layer(kLetterHole, at(kLetterHalfThickness));
    const int holeBack = mesh.Layer(kLetterHole, at(-kLetterHalfThickness));
    const int outlineCount = static_cast<int>(kLetterOutline.size());
    mesh.Sides(front, back, outlineCount, LetterSideShows, AwayFrom(kFront, Sign(SignedArea2(kLetterOutline))));
    mesh.Sides(holeFront, holeBack, 3, [](int) { return true; }, AwayFrom(kFront, -Sign(SignedArea2(kLetterHole))));
    AddLetterFace(mesh, front, holeFront, kFront);
    AddLetterFace(mesh, back, holeBack, kBack);
}

const std::vector<Point2> kArrowOutline = {{16.0f, -1.7321f},   {24.0419f, -1.7321f}, {24.0419f, -4.9731f},
                                           {30.5805f, 0.0f},    {24.0419f, 4.9731f},  {24.0419f, 1.7321f},
                                           {16.0f, 1.7321f}};

void AddArrowCap(MeshBuilder& mesh, int a, const Point3& outward) {
    // The line from corner 1 to 5, where shaft meets head, is inside the cap.
    mesh.Triangle(a + 0, a + 1, a + 5, outward, true, false, false);
    mesh.Triangle(a + 0, a + 5, a + 6, outward, false, true, true);
    mesh.Triangle(a + 1, a + 2, a + 3, outward, true, true, false);
    mesh.Triangle(a + 1, a + 3, a + 5, outward, false, false, false);
    mesh.Triangle(a + 5, a + 3, a + 4, outward, false, true, true);
}

}  // namespace

void BuildActorIconMesh(Mesh& mesh) {
    MeshBuilder builder;
    AddPlate(builder);
    AddLetter(builder);
    builder.Fill(mesh);
}

void BuildActorArrowMesh(Mesh& mesh) {
    MeshBuilder builder;
    const int bottom = builder.Layer(kArrowOutline, [](Point2 p) { return Point3(p.u, p.v, 1.0632f); });
    const int top = builder.Layer(kArrowOutline, [](Point2 p) { return Point3(p.u, p.v, 2.9262f); });
    AddArrowCap(builder, bottom, kDown);
    AddArrowCap(builder, top, kUp);
    // The end at x = 16 lies against the plate's side.
    builder.Sides(bottom, top, 7, [](int edge) { return edge != 6; }, AwayFrom(kUp, Sign(SignedArea2(kArrowOutline))));
    builder.Fill(mesh);
}

void BuildDefinitionMesh(const ActorMesh& source, Mesh& mesh) {
    mesh.setNumVerts(static_cast<int>(source.vertices.size()));
    for (int i = 0; i < static_cast<int>(source.vertices.size()); ++i) {
        const ActorVertex& v = source.vertices[i];
        mesh.setVert(i, Point3(v.x, v.y, v.z));
    }
    mesh.setNumFaces(static_cast<int>(source.faces.size()));
    for (int i = 0; i < static_cast<int>(source.faces.size()); ++i) {
        const ActorFace& f = source.faces[i];
        Face& face = mesh.getFace(i);
        face.setVerts(f.verts[0], f.verts[1], f.verts[2]);
        face.setSmGroup(f.smGroup);
        face.setMatID(static_cast<MtlID>(f.flags >> 16));
        face.setEdgeVisFlags((f.flags & EDGE_A) != 0, (f.flags & EDGE_B) != 0, (f.flags & EDGE_C) != 0);
    }
}
