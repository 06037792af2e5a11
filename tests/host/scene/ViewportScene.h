#pragma once
// A scene for viewport tests: square meshes placed in the top view of the
// host's viewport, where world (x, y) shows at pixel (320 + x, 240 - y).

#include "host/scene/Interface.h"
#include "host/scene/Scene.h"
#include "host/scene/TriObject.h"

#include <gtest/gtest.h>

// A square of side 40 centred on its pivot, its diagonal hidden.
inline Mesh SquareMesh() {
    Mesh mesh;
    mesh.setNumVerts(4);
    mesh.setVert(0, Point3(-20, -20, 0));
    mesh.setVert(1, Point3(20, -20, 0));
    mesh.setVert(2, Point3(20, 20, 0));
    mesh.setVert(3, Point3(-20, 20, 0));
    mesh.setNumFaces(2);
    mesh.getFace(0).setVerts(0, 1, 2);
    mesh.getFace(0).setEdgeVisFlags(true, true, false);
    mesh.getFace(1).setVerts(0, 2, 3);
    mesh.getFace(1).setEdgeVisFlags(false, true, true);
    return mesh;
}

// Gives the host interface the scene for the test and takes it back after.
class ViewportScene : public ::testing::Test {
protected:
    ViewportScene() { ip->SetScene(&scene); }
    ~ViewportScene() override {
        ip->SetScene(nullptr);
        ip->GetActiveViewport()->getGW()->ClearDrawing();
    }

    SceneNode* AddSquare(const char* name, const Point3& position) {
        SceneNode* node = scene.GetRootNode()->AddChild(name);
        node->SetObject(scene.Adopt(new TriObject(SquareMesh())));
        node->SetPosition(position);
        return node;
    }

    Interface* ip = GetCoreInterface();
    Scene scene;
};
