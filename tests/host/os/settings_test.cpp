#include "host/os/Settings.h"

#include "host/os/Files.h"
#include "tests/common/ScratchFolder.h"
#include "tests/host/os/ScopedVariable.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr const char* kKey = "SOFTWARE\\corvatrix\\3.0";

std::string AllByteValues() {
    std::string bytes;
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    return bytes;
}

std::string Contents(const std::string& path) {
    std::string text;
    EXPECT_TRUE(os::ReadWholeFile(path, text)) << path;
    return text;
}

void ExpectString(const os::SettingsKey& key, const char* name, const std::string& expected) {
    std::string value = "unset";
    EXPECT_TRUE(key.GetString(name, value)) << name;
    EXPECT_EQ(value, expected) << name;
}

void ExpectDword(const os::SettingsKey& key, const char* name, std::uint32_t expected) {
    std::uint32_t value = 12345;
    EXPECT_TRUE(key.GetDword(name, value)) << name;
    EXPECT_EQ(value, expected) << name;
}

void ExpectEmptyNewKey(const os::SettingsKey& key, const std::string& why) {
    EXPECT_TRUE(key.WasCreated()) << why;
    std::string text = "untouched";
    std::uint32_t number = 7;
    EXPECT_FALSE(key.GetString("Package", text)) << why;
    EXPECT_FALSE(key.GetDword("UseMyLevel", number)) << why;
    EXPECT_EQ(text, "untouched") << why;
    EXPECT_EQ(number, 7u) << why;
}

TEST(OsSettings, StringsAndNumbersRoundTripByteForByte) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    const std::vector<std::pair<const char*, std::string>> strings = {
        {"Package", "myLevel"},
        {"Quoted", "say \"hi\" \\\"twice\\\""},
        {"Path", "C:\\maps\\Level\\"},
        {"HighBytes", "caf\xe9 \x80\x9f\xff"},
        {"Lines", "one\ntwo\r\nthree\n"},
        {"Padded", "  ; [not a key]  \t"},
        {"Empty", ""},
        {"Every byte", AllByteValues()},
    };
    const std::vector<std::pair<const char*, std::uint32_t>> numbers = {
        {"Zero", 0}, {"One", 1}, {"All bits", 0xFFFFFFFFu}, {"SnapToSize", 0x0A0B0C0Du}};

    os::SettingsKey written = os::SettingsKey::Open(path, kKey);
    EXPECT_TRUE(written.WasCreated());
    for (const auto& [name, value] : strings) written.SetString(name, value);
    for (const auto& [name, value] : numbers) written.SetDword(name, value);
    ASSERT_TRUE(written.Save());

    const os::SettingsKey read = os::SettingsKey::Open(path, kKey);
    EXPECT_FALSE(read.WasCreated());
    for (const auto& [name, value] : strings) ExpectString(read, name, value);
    for (const auto& [name, value] : numbers) ExpectDword(read, name, value);

    // The file stays in the familiar registry-export form.
    const std::string text = Contents(path);
    EXPECT_NE(text.find("[SOFTWARE\\corvatrix\\3.0]\n\"Package\"=\"myLevel\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"Quoted\"=\"say \\\"hi\\\" \\\\\\\"twice\\\\\\\"\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"Lines\"=\"one\\ntwo\\r\\nthree\\n\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"All bits\"=dword:ffffffff\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n\"SnapToSize\"=dword:0a0b0c0d\n"), std::string::npos) << text;
    EXPECT_EQ(text.rfind(';', 0), 0u) << text;
}

TEST(OsSettings, ReadsAHandEditedFile) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    ASSERT_TRUE(os::ReplaceFile(path,
                                "; edited by hand\r\n"
                                "\r\n"
                                "[SOFTWARE\\Other]\r\n"
                                "\"Package\"=\"wrong key\"\r\n"
                                "  [SOFTWARE\\corvatrix\\3.0]  \r\n"
                                "\t\"Package\"=\"Caf\xe9\"\r\n"
                                "; a comment between values\r\n"
                                "\"SnapToSize\"=dword:0000000A\r\n"
                                "\"Group\"=\"first\"\r\n"
                                "\"Group\"=\"last wins\""));
    const os::SettingsKey key = os::SettingsKey::Open(path, kKey);
    EXPECT_FALSE(key.WasCreated());
    ExpectString(key, "Package", "Caf\xe9");
    ExpectString(key, "Group", "last wins");
    ExpectDword(key, "SnapToSize", 10);
}

TEST(OsSettings, KeyAndValueNamesIgnoreCase) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    os::SettingsKey written = os::SettingsKey::Open(path, kKey);
    written.SetString("Package", "first");
    written.SetString("PACKAGE", "second");
    written.SetDword("useMyLevel", 1);
    ASSERT_TRUE(written.Save());

    const os::SettingsKey read = os::SettingsKey::Open(path, "software\\CORVATRIX\\3.0");
    EXPECT_FALSE(read.WasCreated());
    ExpectString(read, "package", "second");
    ExpectDword(read, "UseMyLevel", 1);

    // One value, under the name it was first given.
    const std::string text = Contents(path);
    EXPECT_NE(text.find("\"Package\"=\"second\""), std::string::npos) << text;
    EXPECT_EQ(text.find("first"), std::string::npos) << text;
    EXPECT_EQ(text.find("PACKAGE"), std::string::npos) << text;

    // Saving under another spelling of the key rewrites the same key.
    os::SettingsKey respelled = os::SettingsKey::Open(path, "Software\\Corvatrix\\3.0");
    respelled.SetString("Group", "g");
    ASSERT_TRUE(respelled.Save());
    const std::string after = Contents(path);
    EXPECT_EQ(after.find('['), after.rfind('[')) << after;
    ExpectString(os::SettingsKey::Open(path, kKey), "Group", "g");
}

TEST(OsSettings, AValueOfTheOtherTypeReadsAsMissing) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    os::SettingsKey key = os::SettingsKey::Open(path, kKey);
    key.SetDword("Package", 3);
    key.SetString("BoundBrush", "1");
    ASSERT_TRUE(key.Save());

    const os::SettingsKey read = os::SettingsKey::Open(path, kKey);
    std::string text = "untouched";
    std::uint32_t number = 9;
    EXPECT_FALSE(read.GetString("Package", text));
    EXPECT_FALSE(read.GetDword("BoundBrush", number));
    EXPECT_EQ(text, "untouched");
    EXPECT_EQ(number, 9u);

    // Setting a value of the other type replaces it.
    key.SetString("Package", "myLevel");
    EXPECT_FALSE(key.GetDword("Package", number));
    ExpectString(key, "Package", "myLevel");
}

TEST(OsSettings, UnusableFilesOpenAnEmptyNewKey) {
    ScratchFolder folder;
    ExpectEmptyNewKey(os::SettingsKey::Open(folder / "missing.ini", kKey), "missing file");
    ExpectEmptyNewKey(os::SettingsKey::Open(folder / "no/such/folder.ini", kKey), "missing folder");

    ASSERT_TRUE(os::CreateDirectory(folder / "folder.ini"));
    ExpectEmptyNewKey(os::SettingsKey::Open(folder / "folder.ini", kKey), "a folder in its place");

    const std::string path = folder / "settings.ini";
    const std::string good = "[SOFTWARE\\corvatrix\\3.0]\n\"Package\"=\"x\"\n\"UseMyLevel\"=dword:00000001\n";
    ASSERT_TRUE(os::ReplaceFile(path, good));
    ASSERT_FALSE(os::SettingsKey::Open(path, kKey).WasCreated());
    ExpectEmptyNewKey(os::SettingsKey::Open(path, "SOFTWARE\\corvatrix\\2.0"), "another key only");
    ExpectEmptyNewKey(os::SettingsKey::Open(path, "SOFTWARE\\corvatrix"), "a parent key only");

    const std::vector<std::string> corruptLines = {
        "garbage",
        "[SOFTWARE\\corvatrix\\3.0",
        "[]",
        "\"Group\"=\"unterminated",
        "\"Group\"=\"bad \\t escape\"",
        "\"Group\"=\"trailing\" text",
        "\"Group\" = \"spaced\"",
        "\"Group\"",
        "Group=\"unquoted name\"",
        "@=\"default value\"",
        "\"SnapToSize\"=dword:0000002",
        "\"SnapToSize\"=dword:000000002",
        "\"SnapToSize\"=dword:0000000g",
        "\"SnapToSize\"=dword:-0000001",
        "\"SnapToSize\"=dword:+0000001",
        "\"SnapToSize\"=DWORD:00000002",
        "\"SnapToSize\"=hex:01,00,00,00",
        "\"SnapToSize\"=2",
    };
    for (const std::string& line : corruptLines) {
        ASSERT_TRUE(os::ReplaceFile(path, good + line + "\n"));
        ExpectEmptyNewKey(os::SettingsKey::Open(path, kKey), line);
    }
    ASSERT_TRUE(os::ReplaceFile(path, "\"Package\"=\"x\"\n" + good));
    ExpectEmptyNewKey(os::SettingsKey::Open(path, kKey), "a value before any key");

    if (::geteuid() != 0) {
        ASSERT_TRUE(os::ReplaceFile(path, good));
        ASSERT_EQ(::chmod(path.c_str(), 0), 0);
        ExpectEmptyNewKey(os::SettingsKey::Open(path, kKey), "a file without read permission");
        EXPECT_FALSE(os::SettingsKey::Open(path, kKey).Save());
        ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
        EXPECT_EQ(Contents(path), good);
    }
}

TEST(OsSettings, SaveKeepsTheOtherKeys) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    os::SettingsKey ours = os::SettingsKey::Open(path, kKey);
    ours.SetString("Package", "ours");
    ASSERT_TRUE(ours.Save());

    os::SettingsKey other = os::SettingsKey::Open(path, "SOFTWARE\\Other");
    EXPECT_TRUE(other.WasCreated());
    other.SetString("Package", "other \"one\"");
    other.SetDword("Count", 0xFFFFFFFFu);
    ASSERT_TRUE(other.Save());

    // Saved from a key opened before the other key existed.
    ours.SetDword("BoundBrush", 1);
    ASSERT_TRUE(ours.Save());

    const os::SettingsKey otherRead = os::SettingsKey::Open(path, "SOFTWARE\\Other");
    EXPECT_FALSE(otherRead.WasCreated());
    ExpectString(otherRead, "Package", "other \"one\"");
    ExpectDword(otherRead, "Count", 0xFFFFFFFFu);
    const os::SettingsKey oursRead = os::SettingsKey::Open(path, kKey);
    ExpectString(oursRead, "Package", "ours");
    ExpectDword(oursRead, "BoundBrush", 1);
}

TEST(OsSettings, SaveReplacesACorruptFileButNotOneItCannotRead) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    ASSERT_TRUE(os::ReplaceFile(path, "not a settings file\n"));
    os::SettingsKey key = os::SettingsKey::Open(path, kKey);
    key.SetString("Package", "fresh");
    ASSERT_TRUE(key.Save());
    const os::SettingsKey read = os::SettingsKey::Open(path, kKey);
    EXPECT_FALSE(read.WasCreated());
    ExpectString(read, "Package", "fresh");

    ASSERT_TRUE(os::CreateDirectory(folder / "folder.ini"));
    ASSERT_TRUE(os::ReplaceFile(folder / "folder.ini/kept", "x"));
    EXPECT_FALSE(os::SettingsKey::Open(folder / "folder.ini", kKey).Save());
    EXPECT_TRUE(os::FileExists(folder / "folder.ini/kept"));

    ASSERT_TRUE(os::ReplaceFile(folder / "plain", "x"));
    EXPECT_FALSE(os::SettingsKey::Open(folder / "plain/settings.ini", kKey).Save());
    EXPECT_FALSE(os::SettingsKey::Open(path, "bad\nkey").Save());
    EXPECT_FALSE(os::SettingsKey::Open(path, "").Save());
    EXPECT_FALSE(os::SettingsKey::Open("", kKey).Save());
}

TEST(OsSettings, SaveCreatesMissingFoldersAndLeavesNoTemporaryFile) {
    ScratchFolder folder;
    const std::string path = folder / "home/.config/corvatrix/settings.ini";
    os::SettingsKey key = os::SettingsKey::Open(path, kKey);
    key.SetDword("SnapToSize", 2);
    ASSERT_TRUE(key.Save());
    ASSERT_TRUE(key.Save());
    EXPECT_EQ(folder.Entries("home/.config/corvatrix"), std::vector<std::string>{"settings.ini"});
    ExpectDword(os::SettingsKey::Open(path, kKey), "SnapToSize", 2);

    // A Windows-style path reaches the same folders.
    const std::string windowsStyle = folder.Path() + "\\win\\settings.ini";
    ASSERT_TRUE(os::SettingsKey::Open(windowsStyle, kKey).Save());
    EXPECT_EQ(folder.Entries("win"), std::vector<std::string>{"settings.ini"});
}

}  // namespace
