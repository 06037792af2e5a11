#pragma once
// Test fixture for the static-mesh record: the record fixture's scene and
// export, with hand-made triangle meshes and the files the record writes.

#include "exporter/StaticMeshExport.h"
#include "host/os/Files.h"
#include "host/scene/Mesh.h"
#include "host/scene/TriObject.h"
#include "tests/exporter/records/RecordFixture.h"

#include <string>
#include <utility>
#include <vector>

// One triangle (0,1,2) with smoothing group 1 and the given material id.
inline Mesh Triangle(MtlID materialId = 0) {
    Mesh mesh;
    mesh.setNumVerts(3);
    mesh.setVert(0, Point3(0.0f, 0.0f, 0.0f));
    mesh.setVert(1, Point3(1.0f, 0.0f, 0.0f));
    mesh.setVert(2, Point3(0.0f, 1.0f, 0.0f));
    mesh.setNumFaces(1);
    mesh.getFace(0).setVerts(0, 1, 2);
    mesh.getFace(0).setSmGroup(1);
    mesh.getFace(0).setMatID(materialId);
    return mesh;
}

// Gives the channel three map vertices (channel + 0.25 × corner in U,
// 0.5 in V) and names them backwards in the face.
inline void AddMapChannel(Mesh& mesh, int channel) {
    mesh.setMapSupport(channel);
    mesh.setNumMapVerts(channel, 3);
    for (int i = 0; i < 3; ++i) {
        mesh.setMapVert(channel, i, UVVert(static_cast<float>(channel) + 0.25f * static_cast<float>(i), 0.5f, 0.0f));
    }
    mesh.mapFace(channel, 0).setTVerts(2, 1, 0);
}

class StaticMeshTest : public RecordTest {
protected:
    StaticMeshExport MeshRecord(SceneNode* node) {
        return StaticMeshExport(ExportContext{writer, *options, registry, GetCoreInterface()}, *node, nullptr);
    }

    // The text of "<scratch>/ase_<package>/<mesh>.ase", once the writer has
    // put its files in place.
    std::string AseText(const std::string& package, const std::string& mesh) {
        writer.Close();
        return FileContents(folder / ("ase_" + package + "/" + mesh + ".ase"));
    }

    // The names of the files in "<scratch>/ase_<package>", sorted, once the
    // writer has put its files in place.
    std::vector<std::string> MeshFiles(const std::string& package) {
        writer.Close();
        return os::FindFiles(folder / ("ase_" + package), "*");
    }

    SceneNode* AddObjectNode(const std::string& name, Object* object, Mtl* material = nullptr) {
        SceneNode* node = scene.GetRootNode()->AddChild(name);
        node->SetObject(object);
        node->SetMtl(material);
        return node;
    }

    TriObject* MeshObject(Mesh mesh) { return scene.Adopt(new TriObject(std::move(mesh))); }
};
