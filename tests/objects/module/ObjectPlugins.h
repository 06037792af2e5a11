#pragma once
// A plug-in folder holding the built object module (and the exporter, for
// runs of the program), with an actor folder of the test's own beside it.

#include "tests/common/ScratchFolder.h"
#include "tests/objects/actor/ActorFolder.h"

#include <filesystem>
#include <string>

class ObjectPlugins {
public:
    // The object module is copied, not linked: it finds its actor folder
    // beside its own file.
    explicit ObjectPlugins(bool withExporter = true) {
        std::filesystem::copy_file(std::string(CORVATRIX_BIN_DIR) + "/corvatrix.dlo", folder_ / "corvatrix.dlo");
        if (withExporter) {
            std::filesystem::create_symlink(std::string(CORVATRIX_BIN_DIR) + "/corvatrix.dle", folder_ / "corvatrix.dle");
        }
    }
    // Definitions go into cxActors beside the modules, created on first use.
    void WriteDefinition(const std::string& fileName, const std::string& className,
                         std::vector<cxa::PropertyRow> rows = {}) {
        cxa::DefinitionForm form;
        form.className = className;
        form.rows = std::move(rows);
        os::CreateDirectory(ActorFolderPath());
        ASSERT_TRUE(cxa::WriteDefinitionFile(ActorFolderPath() + "/" + fileName, form, {})) << fileName;
    }
    void WriteBytes(const std::string& fileName, const std::string& bytes) {
        os::CreateDirectory(ActorFolderPath());
        ASSERT_TRUE(os::ReplaceFile(ActorFolderPath() + "/" + fileName, bytes));
    }
    const std::string& Path() const { return folder_.Path(); }
    std::string ActorFolderPath() const { return folder_ / "cxActors"; }

private:
    ScratchFolder folder_;
};
