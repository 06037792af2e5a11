#pragma once
// Test helper: the host's settings file pointed at a fresh temporary folder
// for the length of a test, and the exporter's key in it.

#include "host/os/Settings.h"
#include "tests/common/ScratchFolder.h"
#include "tests/host/os/ScopedVariable.h"

#include <gtest/gtest.h>

#include <string>

class SettingsFileTest : public ::testing::Test {
protected:
    static constexpr const char* kOptionsKey = "SOFTWARE\\corvatrix\\3.0";

    void SetUp() override { os::SetSettingsFilePath(SettingsPath()); }
    void TearDown() override { os::SetSettingsFilePath(""); }

    std::string SettingsPath() const { return folder_ / "settings.ini"; }
    os::SettingsKey StoredKey() const { return os::SettingsKey::Open(SettingsPath(), kOptionsKey); }

    // The whole file; empty when there is none.
    std::string SettingsText() const {
        std::string text;
        os::ReadWholeFile(SettingsPath(), text);
        return text;
    }

private:
    ScratchFolder folder_;
};
