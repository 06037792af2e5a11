#include "host/scene/MeshConversion.h"

namespace {

int FanTriangleCount(const PolyMesh& poly) {
    int count = 0;
    for (int f = 0; f < poly.numFaces(); ++f) {
        const int deg = poly.face(f).deg();
        if (deg >= 3) count += deg - 2;
    }
    return count;
}

}  // namespace

Mesh TriangulatePolyMesh(const PolyMesh& poly) {
    Mesh mesh;
    mesh.setNumVerts(poly.numVerts());
    for (int v = 0; v < poly.numVerts(); ++v) mesh.setVert(v, poly.vert(v));
    mesh.setNumFaces(FanTriangleCount(poly));

    for (int channel = 0; channel < poly.numMaps(); ++channel) {
        if (!poly.mapSupport(channel)) continue;
        mesh.setMapSupport(channel);
        mesh.setNumMapVerts(channel, poly.numMapVerts(channel));
        for (int v = 0; v < poly.numMapVerts(channel); ++v) mesh.setMapVert(channel, v, poly.mapVert(channel, v));
    }

    int tri = 0;
    for (int f = 0; f < poly.numFaces(); ++f) {
        const PolyFace& polygon = poly.face(f);
        const int last = polygon.deg() - 1;
        // Triangle (0, k, k+1): its edge 0-k lies on the outline only for the
        // first triangle, its edge (k+1)-0 only for the last.
        for (int k = 1; k < last; ++k, ++tri) {
            Face& face = mesh.getFace(tri);
            face.setVerts(polygon.vtx(0), polygon.vtx(k), polygon.vtx(k + 1));
            face.setMatID(polygon.material);
            face.setSmGroup(polygon.smGroup);
            face.setEdgeVisFlags(k == 1, true, k + 1 == last);
            for (int channel = 0; channel < poly.numMaps(); ++channel) {
                if (!poly.mapSupport(channel)) continue;
                const PolyMapFace& mapFace = poly.mapFace(channel, f);
                mesh.mapFace(channel, tri).setTVerts(mapFace.tv(0), mapFace.tv(k), mapFace.tv(k + 1));
            }
        }
    }
    return mesh;
}

PolyMesh PolyMeshFromTriangles(const Mesh& mesh) {
    PolyMesh poly;
    for (int v = 0; v < mesh.getNumVerts(); ++v) poly.addVert(mesh.getVert(v));
    for (int f = 0; f < mesh.getNumFaces(); ++f) {
        const Face& face = mesh.getFace(f);
        poly.addFace({face.getVert(0), face.getVert(1), face.getVert(2)}, face.getMatID(), face.getSmGroup());
    }
    for (int channel = 0; channel < mesh.getNumMaps(); ++channel) {
        if (!mesh.mapSupport(channel)) continue;
        poly.setMapSupport(channel);
        for (int v = 0; v < mesh.getNumMapVerts(channel); ++v) poly.addMapVert(channel, mesh.mapVert(channel, v));
        for (int f = 0; f < mesh.getNumFaces(); ++f) {
            const TVFace& mapFace = mesh.mapFace(channel, f);
            poly.setMapFace(channel, f, {mapFace.getTVert(0), mapFace.getTVert(1), mapFace.getTVert(2)});
        }
    }
    return poly;
}
