#pragma once
// The settings store that stands in for the host machine's registry: one
// file holding keys, each with typed values (strings and 32-bit numbers).
// The file is in the registry-export text form so that it can be read and
// edited by hand:
//
//   ; corvatrix settings
//   [SOFTWARE\corvatrix\3.0]
//   "Package"="myLevel"
//   "UseMyLevel"=dword:00000001
//
// Strings are single-byte text kept byte for byte; inside quotes '\\', '\"',
// '\n' and '\r' stand for a backslash, a quote, a line feed and a carriage
// return. Key and value names compare without regard to (ASCII) case.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace os {

// Where the host keeps its settings file; the program sets it before any
// plug-in loads (from --settings, $CORVATRIX_SETTINGS or the XDG default).
// An empty path restores the default.
void SetSettingsFilePath(std::string path);
// The path last set, or DefaultSettingsFilePath() when none was.
std::string SettingsFilePath();
// $CORVATRIX_SETTINGS, else $XDG_CONFIG_HOME/corvatrix/settings.ini, else
// ~/.config/corvatrix/settings.ini; empty variables count as unset.
std::string DefaultSettingsFilePath();

// One named, typed value of a settings key.
struct SettingsValue {
    std::string name;
    bool isString = false;
    std::string text;
    std::uint32_t number = 0;
};

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
    // A value of the same name is replaced, whatever its type.
    void SetString(std::string_view name, std::string_view value);
    void SetDword(std::string_view name, std::uint32_t value);

    // Writes the file; creates its folder (and the folder's parents) when
    // needed. False on failure, and when the file exists but cannot be read
    // (its other keys would be lost). A corrupt file is replaced.
    bool Save() const;

private:
    SettingsKey(std::string filePath, std::string_view keyPath);

    std::string filePath_;
    std::string keyPath_;
    bool created_ = true;
    std::vector<SettingsValue> values_;  // in file order, new ones last
};

}  // namespace os
