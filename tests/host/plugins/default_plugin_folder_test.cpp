#include "host/plugins/DefaultPluginFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr char kVariable[] = "CORVATRIX_PLUGINS";

// An installed-host layout in a temporary folder: <root>/bin/corvatrix;
// the environment variable and the current folder are restored afterwards.
class DefaultPluginFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvatrix-plugins-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        savedFolder_ = fs::current_path();
        fs::create_directories(root_ / "bin");
        if (const char* value = std::getenv(kVariable)) saved_ = value;
        unsetenv(kVariable);
    }
    void TearDown() override {
        if (saved_) {
            setenv(kVariable, saved_->c_str(), 1);
        } else {
            unsetenv(kVariable);
        }
        fs::current_path(savedFolder_);
        fs::remove_all(root_);
    }
    std::string Program() const { return (root_ / "bin" / "corvatrix").string(); }

    fs::path root_;
    fs::path savedFolder_;
    std::optional<std::string> saved_;
};

}  // namespace

TEST_F(DefaultPluginFolderTest, PrefersTheVariableThenTheProgramFolderThenTheInstalledLayout) {
    EXPECT_EQ(DefaultPluginFolder(Program()), (root_ / "lib" / "corvatrix").string());

    std::ofstream(root_ / "bin" / "notes.txt") << "not a module";
    EXPECT_EQ(DefaultPluginFolder(Program()), (root_ / "lib" / "corvatrix").string());

    std::ofstream(root_ / "bin" / "corvatrix.DLO") << "a module";
    EXPECT_EQ(DefaultPluginFolder(Program()), (root_ / "bin").string());

    setenv(kVariable, "/opt/elsewhere", 1);
    EXPECT_EQ(DefaultPluginFolder(Program()), "/opt/elsewhere");

    setenv(kVariable, "", 1);
    EXPECT_EQ(DefaultPluginFolder(Program()), (root_ / "bin").string());
}

TEST_F(DefaultPluginFolderTest, TakesAProgramWithoutFolderAsOneInTheCurrentFolder) {
    fs::current_path(root_ / "bin");
    EXPECT_EQ(DefaultPluginFolder("corvatrix"), "../lib/corvatrix");

    std::ofstream(root_ / "bin" / "corvatrix.dle") << "a module";
    EXPECT_EQ(DefaultPluginFolder("corvatrix"), ".");
}
