// Faults before any scene is read: text that is no JSON, and a file that
// cannot be read.

#include "tests/host/scenefile/SceneFileTest.h"

namespace {

using SceneFileSyntax = SceneFileTest;

TEST_F(SceneFileSyntax, ErrorsGiveLineAndColumn) {
    // The second node lacks the comma before it: line 4, column 5.
    const std::string missingComma = "{\n  \"nodes\": [\n    {\"name\": \"A\"}\n    {\"name\": \"B\"}\n  ]\n}\n";
    const std::string error = Fault(missingComma);
    EXPECT_EQ(error.rfind(":4:5: syntax error", 0), 0u) << error;

    // Columns count characters, so the two-byte letters before the fault
    // count once each: "bad" starts at column 18.
    const std::string afterAccents = "{\"nodes\": [\"\xC3\xA9\xC3\xA9\", bad]}";
    const std::string accentError = Fault(afterAccents);
    EXPECT_EQ(accentError.rfind(":1:18: ", 0), 0u) << accentError;

    const std::string truncated = Fault("{\"nodes\": [\n");
    EXPECT_EQ(truncated.rfind(":2:1: ", 0), 0u) << truncated;

    // A file saved in a single-byte code page instead of UTF-8.
    const std::string latin1 = Fault("{\"nodes\": [{\"name\": \"Caf\xE9\"}]}");
    EXPECT_EQ(latin1.rfind(":1:26: ", 0), 0u) << latin1;
    EXPECT_NE(latin1.find("UTF-8"), std::string::npos) << latin1;

    // The message is nlohmann's without its own prefix and position.
    EXPECT_EQ(error.find("json.exception"), std::string::npos) << error;
    EXPECT_EQ(error.find("line"), std::string::npos) << error;
}

TEST_F(SceneFileSyntax, AnUnreadableFileIsNamedWithTheReason) {
    const std::string missing = folder_ / "missing.json";
    std::string error;
    EXPECT_EQ(ReadSceneFile(missing, error), nullptr);
    EXPECT_EQ(error, missing + ": cannot read the file: No such file or directory");

    EXPECT_EQ(ReadSceneFile(folder_.Path(), error), nullptr);
    EXPECT_EQ(error, folder_.Path() + ": cannot read the file: Is a directory");
}

}  // namespace
