#pragma once
// Built plug-in modules loaded through the host's plug-in manager, without
// the others of the build's module folder (the export plug-in keeps settings
// of its own when it is loaded and unloaded). The modules are linked, so the
// object module still finds the build's actor folder beside its real file.

#include "host/plugins/PluginManager.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

class BuiltModules {
public:
    // Registers the modules' classes in the host's class directory.
    explicit BuiltModules(std::initializer_list<const char*> files) {
        for (const char* file : files) {
            std::filesystem::create_symlink(std::string(CORVATRIX_BIN_DIR) + "/" + file, folder_ / file);
        }
        EXPECT_EQ(manager_.LoadFolder(folder_.Path()), static_cast<int>(files.size()));
        for (const std::string& line : manager_.Diagnostics()) ADD_FAILURE() << line;
    }

    const PluginManager& Manager() const { return manager_; }

private:
    ScratchFolder folder_;
    PluginManager manager_;  // unloads before the folder goes
};
