#pragma once
// Fixture for the glTF reader: files written into a fresh folder of the
// test's own, or the sample files kept beside the tests, read into a scene.

#include "host/gltf/GltfSceneReader.h"
#include "host/scene/PolyObject.h"
#include "host/scene/TriObject.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

class GltfReaderTest : public ::testing::Test {
protected:
    static std::string Sample(const std::string& path) {
        return std::string(CORVATRIX_SOURCE_DIR) + "/tests/host/gltf/" + path;
    }

    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // A file that must read without error.
    gltf::GltfScene Read(const std::string& path, gltf::GltfReadOptions options = {}) {
        options.textureFolder = folder_ / "textures/";
        gltf::GltfScene result;
        std::string error;
        EXPECT_TRUE(gltf::ReadGltfScene(path, options, result, error)) << error;
        return result;
    }

    // A file that must be refused; the error without the file name, which must lead it.
    std::string Fault(const std::string& path, gltf::GltfReadOptions options = {}) {
        gltf::GltfScene result;
        std::string error;
        EXPECT_FALSE(gltf::ReadGltfScene(path, options, result, error));
        EXPECT_EQ(result.scene, nullptr);
        if (error.compare(0, path.size() + 2, path + ": ") != 0) {
            ADD_FAILURE() << "the error does not start with the file name: " << error;
            return error;
        }
        return error.substr(path.size() + 2);
    }

    static SceneNode* Node(const gltf::GltfScene& scene, const std::string& name) {
        for (const gltf::ConvertedNode& node : scene.nodes) {
            if (std::string(node.node->GetName()) == name) return node.node;
        }
        ADD_FAILURE() << "no node " << name;
        return nullptr;
    }

    static const Mesh& Triangles(SceneNode* node) { return static_cast<TriObject*>(node->GetObjectRef())->GetMesh(); }

    // The polygon form the brushes use.
    static PolyMesh Polygons(SceneNode* node) {
        Object* object = node->GetObjectRef();
        Object* converted = object->ConvertToType(0, POLYOBJ_CLASS_ID);
        PolyMesh polygons = static_cast<PolyObject*>(converted)->GetMesh();
        if (converted != object) converted->DeleteThis();
        return polygons;
    }

    ScratchFolder folder_;
};
