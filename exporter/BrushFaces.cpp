#include "exporter/BrushFaces.h"

#include "exporter/TextureList.h"
#include "host/scene/Mtl.h"

#include <algorithm>

namespace {

// The order in which a triangle's corners become the polygon's vertices.
constexpr int kTriangleCorners[] = {1, 0, 2};

// Texture coordinates of a triangle that has none of its own: the bitmap
// once across the face.
const UVVert kDefaultTriangleCoords[] = {{0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}};

Point3 ToMap(const Point3& objectPoint, const Matrix3& objectTM) {
    const Point3 world = objectPoint * objectTM;
    return {-world.x, world.y, world.z};
}

// The map channel of the diffuse bitmap of the face's material, or -1.
int DiffuseChannel(const TextureList& textures, MtlID materialId) {
    return textures.GetTextureChannel(materialId, MAP_SLOT_DIFFUSE);
}

}  // namespace

void ConvertFace(const Mesh& mesh, int face, const Matrix3& objectTM, const TextureList& textures,
                 BrushPolygon& polygon) {
    const Face& hostFace = mesh.getFace(face);
    polygon.count = 3;
    polygon.normal = mesh.getFaceNormal(face);
    polygon.materialId = hostFace.getMatID();
    for (int k = 0; k < 3; ++k) {
        polygon.vertices[k] = ToMap(mesh.getVert(static_cast<int>(hostFace.getVert(kTriangleCorners[k]))), objectTM);
    }

    const int channel = DiffuseChannel(textures, polygon.materialId);
    const bool mapped = mesh.mapSupport(channel) && mesh.getNumMapVerts(channel) > 0;
    for (int k = 0; k < 3; ++k) {
        polygon.textureCoords[k] =
            mapped ? mesh.mapVert(channel, static_cast<int>(mesh.mapFace(channel, face).getTVert(kTriangleCorners[k])))
                   : kDefaultTriangleCoords[k];
    }
}

bool ConvertFace(const PolyMesh& mesh, int face, const Matrix3& objectTM, const TextureList& textures,
                 BrushPolygon& polygon) {
    const PolyFace& hostFace = mesh.face(face);
    if (hostFace.deg() == 0) return false;
    polygon.count = std::min(hostFace.deg(), BrushPolygon::kMaxVertices);
    polygon.normal = Point3(1.0f, 1.0f, 1.0f);
    polygon.materialId = hostFace.material;
    for (int j = 0; j < polygon.count; ++j) {
        polygon.vertices[j] = ToMap(mesh.vert(static_cast<int>(hostFace.vtx(j))), objectTM);
    }

    const int channel = DiffuseChannel(textures, polygon.materialId);
    const bool mapped = mesh.mapSupport(channel) && mesh.numMapVerts(channel) > 0;
    for (int j = 0; j < polygon.count; ++j) {
        polygon.textureCoords[j] =
            mapped ? mesh.mapVert(channel, static_cast<int>(mesh.mapFace(channel, face).tv(j))) : UVVert();
    }
    polygon.Reverse();
    return true;
}
