// The shipped example exported by the real program and modules, compared
// byte for byte with reviewed output: the map, the EXEC script and every
// ASE file. The paths of this machine, in either style, are written as $OUT
// and $SOURCE.
// CORVATRIX_UPDATE_GOLDEN=1 rewrites the golden files instead; review the
// difference before committing it.

#include "tests/common/WinePath.h"
#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kGoldenFolder = std::string(CORVATRIX_SOURCE_DIR) + "/tests/corvatrix/golden/castle";

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// Every file below folder, by its path relative to folder, sorted.
std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(std::filesystem::relative(entry.path(), folder).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(GoldenCastle, TheExampleExportsExactlyAsReviewed) {
    ScratchFolder folder;
    const std::string out = folder / "out";
    ProgramRun run = RunProgram("export '" + std::string(CORVATRIX_SOURCE_DIR) +
                                    "/examples/castle.json' out/Castle.t3d --settings settings.ini --quiet",
                                folder.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const bool update = std::getenv("CORVATRIX_UPDATE_GOLDEN") != nullptr;
    const std::vector<std::string> written = FilesBelow(out);
    for (const std::string& file : written) {
        // Either way a path is written: as a Linux path, or on Wine's drive.
        std::string text = FileContents(out + "/" + file);
        for (const auto& [path, name] : {std::pair{out, "$OUT"}, std::pair{std::string(CORVATRIX_SOURCE_DIR), "$SOURCE"}}) {
            text = ReplaceAll(ReplaceAll(text, WinePath(path), name), path, name);
        }
        const std::string golden = kGoldenFolder + "/" + file;
        if (update) {
            std::filesystem::create_directories(std::filesystem::path(golden).parent_path());
            std::ofstream(golden, std::ios::binary) << text;
            continue;
        }
        EXPECT_EQ(text, FileContents(golden)) << file << " differs from its golden file";
    }
    if (!update) {
        EXPECT_EQ(written, FilesBelow(kGoldenFolder)) << "the export writes other files than reviewed";
    }
}

}  // namespace
