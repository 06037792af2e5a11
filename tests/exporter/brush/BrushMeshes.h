#pragma once
// Hand-made host meshes for the brush tests.

#include "host/scene/Mesh.h"
#include "host/scene/PolyMesh.h"

// One triangle with corners 0, 1, 2 at the given points.
inline Mesh TriangleMesh(const Point3& c0, const Point3& c1, const Point3& c2, MtlID materialId = 0) {
    Mesh mesh;
    mesh.setNumVerts(3);
    mesh.setVert(0, c0);
    mesh.setVert(1, c1);
    mesh.setVert(2, c2);
    mesh.setNumFaces(1);
    mesh.getFace(0).setVerts(0, 1, 2);
    mesh.getFace(0).setMatID(materialId);
    return mesh;
}

// Gives the triangle of a one-triangle mesh the map vertices uv0..uv2 at its
// corners 0..2 in channel.
inline void MapTriangle(Mesh& mesh, int channel, const UVVert& uv0, const UVVert& uv1, const UVVert& uv2) {
    mesh.setMapSupport(channel);
    mesh.setNumMapVerts(channel, 3);
    mesh.setMapVert(channel, 0, uv0);
    mesh.setMapVert(channel, 1, uv1);
    mesh.setMapVert(channel, 2, uv2);
    mesh.mapFace(channel, 0).setTVerts(0, 1, 2);
}

// One quadrilateral, corners (0,0,0), (10,0,0), (10,10,0), (0,10,0).
inline PolyMesh QuadMesh() {
    PolyMesh mesh;
    const Point3 corners[] = {{0.0f, 0.0f, 0.0f}, {10.0f, 0.0f, 0.0f}, {10.0f, 10.0f, 0.0f}, {0.0f, 10.0f, 0.0f}};
    for (const Point3& corner : corners) mesh.addVert(corner);
    mesh.addFace({0, 1, 2, 3});
    return mesh;
}
