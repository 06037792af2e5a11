#pragma once
// Fixture for the scene-file reader: every test writes its scene files into a
// fresh folder of its own and reads them back from there.

#include "common/PluginSceneTypes.h"
#include "host/scene/Scene.h"
#include "host/scenefile/SceneFileReader.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

class SceneFileTest : public ::testing::Test {
protected:
    // Writes text as the file name in the test's folder; returns its path.
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = folder_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Reads scene text that must be correct.
    std::unique_ptr<Scene> Load(const std::string& json) {
        std::string error;
        std::unique_ptr<Scene> scene = ReadSceneFile(Write("scene.json", json), error, kPluginSceneTypes);
        EXPECT_NE(scene, nullptr) << error;
        EXPECT_EQ(error, "");
        return scene;
    }

    // Reads scene text that must be rejected; returns the error without the
    // file name in front, which must be there.
    std::string Fault(const std::string& json) {
        const std::string path = Write("scene.json", json);
        std::string error;
        const std::unique_ptr<Scene> scene = ReadSceneFile(path, error, kPluginSceneTypes);
        EXPECT_EQ(scene, nullptr) << "read without error: " << json;
        const std::string prefix = path;
        if (error.compare(0, prefix.size(), prefix) != 0) {
            ADD_FAILURE() << "the error does not start with the file name: " << error;
            return error;
        }
        return error.substr(prefix.size());
    }

    // The first top-level node of a scene holding just that node.
    static SceneNode* FirstNode(Scene& scene) { return scene.GetRootNode()->Child(0); }

    ScratchFolder folder_;
};
