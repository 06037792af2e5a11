#pragma once
// The settings store that stands in for the host machine's registry: one
// file holding keys, each with typed values (strings and 32-bit numbers).

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace os {

// Where the host keeps its settings file; the program sets it before any
// plug-in loads (from --settings, $CORVATRIX_SETTINGS or the XDG default).
void SetSettingsFilePath(std::string path);
const std::string& SettingsFilePath();
// $CORVATRIX_SETTINGS, else $XDG_CONFIG_HOME/corvatrix/settings.ini, else
// ~/.config/corvatrix/settings.ini.
std::string DefaultSettingsFilePath();

// One key of the settings file, read when opened; changes reach the file
// only through Save, which rewrites the whole file atomically and keeps the
// file's other keys.
class SettingsKey {
public:
    // Opens the key (for example "SOFTWARE\\corvatrix\\3.0") in the current
    // settings file. A file that is missing, unreadable or corrupt, or that
    // lacks the key, opens an empty key that counts as newly created.
    static SettingsKey Open(std::string_view keyPath);
    static SettingsKey Open(std::string filePath, std::string_view keyPath);

    bool WasCreated() const { return created_; }

    // False (value untouched) when the value is missing or of another type.
    bool GetString(std::string_view name, std::string& value) const;
    bool GetDword(std::string_view name, std::uint32_t& value) const;
    void SetString(std::string_view name, std::string_view value);
    void SetDword(std::string_view name, std::uint32_t value);

    // Writes the file; creates its folder when needed. False on failure.
    bool Save() const;

private:
    struct Value {
        bool isString = false;
        std::string text;
        std::uint32_t number = 0;
    };
    std::string filePath_;
    std::string keyPath_;
    bool created_ = true;
    std::map<std::string, Value, std::less<>> values_;
};

}  // namespace os
