#include "host/os/Settings.h"

#include "host/os/Files.h"
#include "tests/common/ScratchFolder.h"
#include "tests/host/os/ScopedVariable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(OsSettingsPath, DefaultFollowsTheEnvironment) {
    {
        ScopedVariable settings("CORVATRIX_SETTINGS", "/srv/corvatrix.ini");
        ScopedVariable config("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(os::DefaultSettingsFilePath(), "/srv/corvatrix.ini");
    }
    ScopedVariable settings("CORVATRIX_SETTINGS", "");
    {
        ScopedVariable config("XDG_CONFIG_HOME", "/xdg");
        ScopedVariable home("HOME", "/home/modder");
        EXPECT_EQ(os::DefaultSettingsFilePath(), "/xdg/corvatrix/settings.ini");
    }
    {
        ScopedVariable config("XDG_CONFIG_HOME", "");
        ScopedVariable home("HOME", "/home/modder");
        EXPECT_EQ(os::DefaultSettingsFilePath(), "/home/modder/.config/corvatrix/settings.ini");
    }
    ScopedVariable unsetSettings("CORVATRIX_SETTINGS", nullptr);
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    {
        ScopedVariable home("HOME", "/home/modder");
        EXPECT_EQ(os::DefaultSettingsFilePath(), "/home/modder/.config/corvatrix/settings.ini");
    }
    {
        // Without $HOME, '~' is the account's home folder.
        ScopedVariable home("HOME", nullptr);
        const std::string path = os::DefaultSettingsFilePath();
        EXPECT_EQ(path.rfind('/', 0), 0u) << path;
        EXPECT_TRUE(EndsWith(path, "/.config/corvatrix/settings.ini")) << path;
    }
}

TEST(OsSettingsPath, TheHostWidePathOverridesTheDefault) {
    ScratchFolder folder;
    ScopedVariable settings("CORVATRIX_SETTINGS", (folder / "from-environment.ini").c_str());
    os::SetSettingsFilePath("");
    EXPECT_EQ(os::SettingsFilePath(), folder / "from-environment.ini");

    const std::string chosen = folder / "chosen/settings.ini";
    os::SetSettingsFilePath(chosen);
    EXPECT_EQ(os::SettingsFilePath(), chosen);
    {
        ScopedVariable changed("CORVATRIX_SETTINGS", "/elsewhere.ini");
        EXPECT_EQ(os::SettingsFilePath(), chosen);
    }

    // Keys opened by name alone live in that file.
    os::SettingsKey key = os::SettingsKey::Open("SOFTWARE\\corvatrix\\3.0");
    EXPECT_TRUE(key.WasCreated());
    key.SetString("Group", "3dsmax");
    ASSERT_TRUE(key.Save());
    EXPECT_TRUE(os::FileExists(chosen));
    EXPECT_FALSE(os::FileExists(folder / "from-environment.ini"));
    EXPECT_FALSE(os::SettingsKey::Open("SOFTWARE\\corvatrix\\3.0").WasCreated());

    os::SetSettingsFilePath("");
    EXPECT_EQ(os::SettingsFilePath(), folder / "from-environment.ini");
    EXPECT_TRUE(os::SettingsKey::Open("SOFTWARE\\corvatrix\\3.0").WasCreated());
}

}  // namespace
