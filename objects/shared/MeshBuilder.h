#pragma once
// Builds the helpers' small built-in meshes from outlines: flat polygons
// fanned into triangles, and prisms (an outline extruded between two
// layers). Faces are wound to face the given outward direction; only edges
// on an outline are visible, so viewports draw the shapes, not their
// triangulation.

#include "host/math/Point3.h"
#include "host/scene/Mesh.h"

#include <functional>
#include <vector>

struct Point2 {
    float u;
    float v;
};

class MeshBuilder {
public:
    // Adds a vertex; returns its index.
    int Vertex(const Point3& p);
    // The outline's points at one layer of a prism; returns the first index.
    int Layer(const std::vector<Point2>& outline, const std::function<Point3(Point2)>& place);

    // A triangle facing outward; edges ab, bc, ca visible as given.
    void Triangle(int a, int b, int c, const Point3& outward, bool ab = true, bool bc = true, bool ca = true);
    // Two triangles a,b,c and a,c,d with the diagonal hidden.
    void Quad(int a, int b, int c, int d, const Point3& outward);
    // The side quads between two layers of the same outline of n points,
    // for every edge i → i+1 whose keep(i) holds. away: the direction out
    // of the solid for an edge, given the edge's two layer-0 points.
    void Sides(int first, int second, int n, const std::function<bool(int)>& keep,
               const std::function<Point3(const Point3&, const Point3&)>& away);

    const Point3& At(int i) const { return vertices_[i]; }
    // Copies what was built into mesh; smoothing groups 0.
    void Fill(Mesh& mesh) const;

private:
    struct Triangle3 {
        int v[3];
        bool visible[3];
    };
    std::vector<Point3> vertices_;
    std::vector<Triangle3> triangles_;
};

// Twice the signed area of an outline: positive when it runs
// counter-clockwise in (u, v).
float SignedArea2(const std::vector<Point2>& outline);
