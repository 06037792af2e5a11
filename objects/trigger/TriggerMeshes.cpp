#include "objects/trigger/TriggerMeshes.h"

#include "objects/shared/MeshBuilder.h"

#include <cmath>
#include <vector>

namespace {

constexpr float kCylinderFoot = -15.7728f;
constexpr int kCylinderSides = 9;

// A closed box between two corners, as a prism of its bottom outline.
void AddBox(MeshBuilder& mesh, const Point3& low, const Point3& high) {
    const std::vector<Point2> corners = {{low.x, low.y}, {high.x, low.y}, {high.x, high.y}, {low.x, high.y}};
    const int bottom = mesh.Layer(corners, [&](Point2 p) { return Point3(p.u, p.v, low.z); });
    const int top = mesh.Layer(corners, [&](Point2 p) { return Point3(p.u, p.v, high.z); });
    mesh.Quad(bottom, bottom + 1, bottom + 2, bottom + 3, Point3(0, 0, -1));
    mesh.Quad(top, top + 1, top + 2, top + 3, Point3(0, 0, 1));
    mesh.Sides(bottom, top, 4, [](int) { return true; },
               [](const Point3& p, const Point3& q) { return CrossProd(q - p, Point3(0, 0, 1)); });
}

// The lever: its outline in (x, z), 7.1516 wide in y.
void AddLever(MeshBuilder& mesh) {
    const std::vector<Point2> outline = {
        {-0.3913f, 7.9811f}, {6.8273f, 7.9811f}, {10.7244f, 13.148f}, {7.3554f, 15.2943f}};
    constexpr float kHalfWidth = 3.5758f;
    const int front = mesh.Layer(outline, [](Point2 p) { return Point3(p.u, -kHalfWidth, p.v); });
    const int back = mesh.Layer(outline, [](Point2 p) { return Point3(p.u, kHalfWidth, p.v); });
    mesh.Quad(front, front + 1, front + 2, front + 3, Point3(0, -1, 0));
    mesh.Quad(back, back + 1, back + 2, back + 3, Point3(0, 1, 0));
    // The outline runs counter-clockwise in (x, z), whose normal is -y.
    mesh.Sides(front, back, 4, [](int) { return true; },
               [](const Point3& p, const Point3& q) { return CrossProd(q - p, Point3(0, -1, 0)); });
}

Mesh BuildIcon() {
    MeshBuilder builder;
    AddBox(builder, Point3(-15.8443f, -10.0247f, -15.2943f), Point3(15.8443f, 10.231f, 4.5152f));
    AddBox(builder, Point3(-12.5626f, -7.5666f, 4.5152f), Point3(12.5626f, 7.5666f, 7.9811f));
    AddLever(builder);
    Mesh mesh;
    builder.Fill(mesh);
    return mesh;
}

Mesh BuildCylinder() {
    std::vector<Point2> ring;
    for (int i = 0; i < kCylinderSides; ++i) {
        const double angle = 2.0 * 3.14159265358979323846 * i / kCylinderSides;
        ring.push_back({static_cast<float>(0.5 * std::cos(angle)), static_cast<float>(0.5 * std::sin(angle))});
    }
    MeshBuilder builder;
    const int bottom = builder.Layer(ring, [](Point2 p) { return Point3(p.u, p.v, 0); });
    const int top = builder.Layer(ring, [](Point2 p) { return Point3(p.u, p.v, 1); });
    builder.Sides(bottom, top, kCylinderSides, [](int) { return true; },
                  [](const Point3& p, const Point3& q) { return CrossProd(q - p, Point3(0, 0, 1)); });
    Mesh mesh;
    builder.Fill(mesh);
    return mesh;
}

}  // namespace

Mesh& TriggerIconMesh() {
    static Mesh icon = BuildIcon();
    return icon;
}

Mesh& TriggerCylinderMesh() {
    static Mesh cylinder = BuildCylinder();
    return cylinder;
}

Matrix3 CylinderTransform(float height, float radius) {
    return ScaleMatrix(Point3(2 * radius, 2 * radius, height)) * TransMatrix(Point3(0, 0, kCylinderFoot));
}
