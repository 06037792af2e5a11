#pragma once
// Test fixtures for code that touches the file system: a fresh folder that is
// removed with everything in it, a change of the current folder that is
// undone at the end of the scope, and a file's bytes.

#include "host/os/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "corvatrix-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
        EXPECT_FALSE(path_.empty()) << "cannot create a scratch folder";
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Names of the entries directly inside the folder (or one of its
    // subfolders), files and folders alike, sorted: stray files show up.
    std::vector<std::string> Entries(const std::string& subfolder = {}) const {
        std::vector<std::string> names;
        std::string listed = subfolder.empty() ? path_ : path_ + "/" + subfolder;
        for (const auto& entry : std::filesystem::directory_iterator(listed)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

class CurrentFolderChange {
public:
    explicit CurrentFolderChange(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    CurrentFolderChange(const CurrentFolderChange&) = delete;
    CurrentFolderChange& operator=(const CurrentFolderChange&) = delete;
    ~CurrentFolderChange() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

inline std::string FileContents(const std::string& path) {
    std::string contents;
    EXPECT_TRUE(os::ReadWholeFile(path, contents)) << path;
    return contents;
}
