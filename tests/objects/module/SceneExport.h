#pragma once
// A scene of the test's nodes exported by the real program with the
// object and export modules of a plug-in folder of the test's own.

#include "tests/corvatrix/RunProgram.h"
#include "tests/objects/module/ObjectPlugins.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

class SceneExport : public ::testing::Test {
protected:
    // nodes: the members of the scene's "nodes" list.
    ProgramRun Export(const std::string& nodes) {
        std::ofstream(work_ / "scene.json") << "{\"nodes\": [" << nodes << "]}";
        return RunProgram("export scene.json out/Level.t3d --settings s.ini --quiet --plugins '" + plugins_.Path() + "'",
                          work_.Path());
    }
    // The block of the exported actor of that class and name, from its
    // Begin line to its End line; empty when there is none.
    std::string ActorBlock(const std::string& actorClass, const std::string& name) const {
        const std::string map = FileContents(work_ / "out/Level.t3d");
        const std::size_t begin = map.find("Begin Actor Class=" + actorClass + " Name=" + name + "\r\n");
        if (begin == std::string::npos) return {};
        return map.substr(begin, map.find("End Actor", begin) - begin);
    }
    std::string Map() const { return FileContents(work_ / "out/Level.t3d"); }

    ObjectPlugins plugins_;
    ScratchFolder work_;
};
