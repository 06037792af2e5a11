// Arbitrary bytes as the settings file. Beyond the sanitizers' checks, what
// the reader takes from a file must survive being stored: the file Save
// writes reads back with the same values.

#include "host/os/Files.h"
#include "host/os/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kKey = "SOFTWARE\\corvatrix\\3.0";
const char* const kNames[] = {"Package", "Group", "UseMyLevel", "SnapToSize", ""};

void Require(bool condition) {
    if (!condition) std::abort();
}

const std::string& Folder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/settings-fuzz-XXXXXX";
        Require(::mkdtemp(pattern) != nullptr);
        return std::string(pattern);
    }();
    return folder;
}

struct Read {
    bool isString = false;
    bool found = false;
    std::string text;
    std::uint32_t number = 0;
};

Read ValueOf(const os::SettingsKey& key, const char* name) {
    Read read;
    read.isString = key.GetString(name, read.text);
    read.found = read.isString || key.GetDword(name, read.number);
    return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = Folder() + "/settings.ini";
    Require(os::ReplaceFile(path, std::string_view(reinterpret_cast<const char*>(data), size)));

    os::SettingsKey key = os::SettingsKey::Open(path, kKey);
    Read before[std::size(kNames)];
    for (std::size_t i = 0; i < std::size(kNames); ++i) before[i] = ValueOf(key, kNames[i]);
    // A value set by the program goes through the same escaping.
    key.SetString("Fuzzed", std::string_view(reinterpret_cast<const char*>(data), size < 64 ? size : 64));
    Require(key.Save());

    const os::SettingsKey again = os::SettingsKey::Open(path, kKey);
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        const Read after = ValueOf(again, kNames[i]);
        Require(after.found == before[i].found && after.isString == before[i].isString &&
                after.text == before[i].text && after.number == before[i].number);
    }
    std::string fuzzed;
    Require(again.GetString("Fuzzed", fuzzed) && fuzzed == std::string_view(reinterpret_cast<const char*>(data),
                                                                            size < 64 ? size : 64));
    return 0;
}
