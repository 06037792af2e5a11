#pragma once
// The built corvatrix.dlm loaded through the host's plug-in manager, alone:
// the build's module folder also holds the export plug-in, which keeps
// settings of its own when it is loaded and unloaded.

#include "host/plugins/PluginManager.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class ModifierModule {
public:
    // Registers the module's classes in the host's class directory.
    ModifierModule() {
        std::filesystem::create_symlink(std::string(CORVATRIX_BIN_DIR) + "/corvatrix.dlm", folder_ / "corvatrix.dlm");
        EXPECT_EQ(manager_.LoadFolder(folder_.Path()), 1);
        for (const std::string& line : manager_.Diagnostics()) ADD_FAILURE() << line;
    }

    const PluginManager& Manager() const { return manager_; }

private:
    ScratchFolder folder_;
    PluginManager manager_;  // unloads before the folder goes
};
