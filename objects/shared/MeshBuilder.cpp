#include "objects/shared/MeshBuilder.h"

int MeshBuilder::Vertex(const Point3& p) {
    vertices_.push_back(p);
    return static_cast<int>(vertices_.size()) - 1;
}

int MeshBuilder::Layer(const std::vector<Point2>& outline, const std::function<Point3(Point2)>& place) {
    const int first = static_cast<int>(vertices_.size());
    for (const Point2& p : outline) Vertex(place(p));
    return first;
}

void MeshBuilder::Triangle(int a, int b, int c, const Point3& outward, bool ab, bool bc, bool ca) {
    const Point3 normal = CrossProd(At(b) - At(a), At(c) - At(a));
    if (DotProd(normal, outward) >= 0) {
        triangles_.push_back({{a, b, c}, {ab, bc, ca}});
    } else {
        triangles_.push_back({{a, c, b}, {ca, bc, ab}});
    }
}

void MeshBuilder::Quad(int a, int b, int c, int d, const Point3& outward) {
    Triangle(a, b, c, outward, true, true, false);
    Triangle(a, c, d, outward, false, true, true);
}

void MeshBuilder::Sides(int first, int second, int n, const std::function<bool(int)>& keep,
                        const std::function<Point3(const Point3&, const Point3&)>& away) {
    for (int i = 0; i < n; ++i) {
        if (!keep(i)) continue;
        const int j = (i + 1) % n;
        Quad(first + i, first + j, second + j, second + i, away(At(first + i), At(first + j)));
    }
}

void MeshBuilder::Fill(Mesh& mesh) const {
    mesh.setNumVerts(static_cast<int>(vertices_.size()));
    for (int i = 0; i < static_cast<int>(vertices_.size()); ++i) mesh.setVert(i, vertices_[i]);
    mesh.setNumFaces(static_cast<int>(triangles_.size()));
    for (int i = 0; i < static_cast<int>(triangles_.size()); ++i) {
        const Triangle3& t = triangles_[i];
        Face& face = mesh.getFace(i);
        face.setVerts(static_cast<std::uint32_t>(t.v[0]), static_cast<std::uint32_t>(t.v[1]),
                      static_cast<std::uint32_t>(t.v[2]));
        face.setEdgeVisFlags(t.visible[0], t.visible[1], t.visible[2]);
        face.setSmGroup(0);
    }
}

float SignedArea2(const std::vector<Point2>& outline) {
    float area = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point2& p = outline[i];
        const Point2& q = outline[(i + 1) % outline.size()];
        area += p.u * q.v - q.u * p.v;
    }
    return area;
}
