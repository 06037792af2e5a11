// The mesh in the viewport: its visible edges drawn or hit-tested, and its box.

#include "host/display/GraphicsWindow.h"
#include "host/scene/Mesh.h"

void Mesh::render(GraphicsWindow* gw, Material* ma, const Rect* damage, int, int numMat) const {
    for (const Face& face : faces_) {
        if (ma != nullptr && numMat > 0) gw->setMaterial(ma[face.getMatID() % numMat]);
        for (int edge = 0; edge < 3; ++edge) {
            if (!face.getEdgeVis(edge)) continue;
            gw->segment(verts_[face.getVert(edge)], verts_[face.getVert((edge + 1) % 3)], damage);
        }
    }
}

Box3 Mesh::getBoundingBox(const Matrix3* tm) const {
    Box3 box;
    for (const Point3& vert : verts_) box += tm != nullptr ? vert * *tm : vert;
    return box;
}
