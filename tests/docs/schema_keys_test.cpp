// The scene schema against the reader: every object whose keys the reader
// checks, in the example scenes and in a fixture that reaches every kind of
// object, must allow exactly those keys in docs/scene.schema.json.

#include "host/scenekeys/JsonCursor.h"
#include "host/scenefile/SceneFileReader.h"
#include "tests/common/BuiltModules.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

// What the readers reported: [{"scene", "path", "keys"}].
nlohmann::json records = nlohmann::json::array();
std::string readingScene;

void Record(const std::string& path, std::initializer_list<std::string_view> allowed) {
    std::vector<std::string> keys(allowed.begin(), allowed.end());
    records.push_back({{"scene", readingScene}, {"path", path}, {"keys", keys}});
}

std::vector<std::string> Scenes() {
    std::vector<std::string> scenes{std::string(CORVATRIX_SOURCE_DIR) + "/tests/docs/fixtures/every_kind.json"};
    for (const auto& entry : std::filesystem::directory_iterator(std::string(CORVATRIX_SOURCE_DIR) + "/examples")) {
        if (entry.path().extension() == ".json") scenes.push_back(entry.path().string());
    }
    return scenes;
}

TEST(SchemaKeys, TheSchemaAllowsTheKeysTheReaderAllowsAndNoOthers) {
    BuiltModules modules({"corvatrix.dlo", "corvatrix.dlm"});
    scenefile::JsonCursor::RecordKeyLists(Record);
    for (const std::string& scene : Scenes()) {
        readingScene = scene;
        const std::size_t before = records.size();
        std::string error;
        EXPECT_NE(ReadSceneFile(scene, error), nullptr) << error;
        EXPECT_GT(records.size(), before) << "the reader reported no key lists for " << scene;
    }
    scenefile::JsonCursor::RecordKeyLists(nullptr);

    ScratchFolder folder;
    std::ofstream(folder / "records.json") << records.dump();
    const std::string command = std::string("'" CORVATRIX_PYTHON3 "' '" CORVATRIX_SOURCE_DIR
                                            "/tests/docs/schema_keys_check.py' '" CORVATRIX_SOURCE_DIR
                                            "/docs/scene.schema.json' '") +
                                (folder / "records.json") + "' 2>&1";
    FILE* check = popen(command.c_str(), "r");
    ASSERT_NE(check, nullptr);
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, check)) > 0;) output.append(buffer, n);
    const int status = pclose(check);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << output;
}

}  // namespace
