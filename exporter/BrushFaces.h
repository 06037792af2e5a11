#pragma once
// One host face as a brush polygon in map coordinates: its corners moved to
// world space by the object transform and mirrored in X, with the diffuse
// bitmap's texture coordinates. Mirroring turns the handedness round, so the
// corners come out in the reverse of the host's winding.

#include "exporter/BrushPolygon.h"
#include "host/math/Matrix3.h"
#include "host/scene/Mesh.h"
#include "host/scene/PolyMesh.h"

class TextureList;

// Triangle face: corners 1, 0, 2; the normal is the host's unit face normal
// in object space. Without coordinates in the diffuse bitmap's channel the
// texture coordinates are (0,0,0), (1,0,0), (0,1,0).
void ConvertFace(const Mesh& mesh, int face, const Matrix3& objectTM, const TextureList& textures,
                 BrushPolygon& polygon);

// Polygon face: its first kMaxVertices corners, reversed; the normal is
// (1,1,1). Without coordinates in the diffuse bitmap's channel the texture
// coordinates are all zero. False, with polygon untouched, for a polygon
// without corners.
bool ConvertFace(const PolyMesh& mesh, int face, const Matrix3& objectTM, const TextureList& textures,
                 BrushPolygon& polygon);
