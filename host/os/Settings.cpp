#include "host/os/Settings.h"

#include "host/os/Files.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <utility>

namespace os {
namespace {

constexpr std::string_view kFileHeader = "; corvatrix settings\n";
constexpr std::string_view kFileInConfigFolder = "/corvatrix/settings.ini";
constexpr std::string_view kDwordPrefix = "dword:";

struct StoredKey {
    std::string name;
    std::vector<SettingsValue> values;
};
using StoredKeys = std::vector<StoredKey>;

// Registry names ignore case; the settings are single-byte text, so ASCII
// folding is all that is needed.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// Items is a vector of keys or of values, const or not.
template <class Items>
auto FindNamed(Items& items, std::string_view name) -> decltype(&items.front()) {
    for (auto& item : items) {
        if (SameName(item.name, name)) return &item;
    }
    return nullptr;
}

template <class Named>
Named& FindOrAddNamed(std::vector<Named>& items, std::string_view name) {
    if (Named* found = FindNamed(items, name)) return *found;
    items.emplace_back();
    items.back().name = std::string(name);
    return items.back();
}

std::string_view Trimmed(std::string_view line) {
    constexpr std::string_view blanks = " \t\r";
    std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// Reads the quoted, escaped string that text starts with and moves past it.
bool TakeQuoted(std::string_view& text, std::string& unquoted) {
    if (!TakePrefix(text, "\"")) return false;
    unquoted.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return true;
        }
        if (c != '\\') {
            unquoted += c;
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
        case '\\': unquoted += '\\'; break;
        case '"': unquoted += '"'; break;
        case 'n': unquoted += '\n'; break;
        case 'r': unquoted += '\r'; break;
        default: return false;
        }
    }
    return false;
}

bool ParseDword(std::string_view digits, std::uint32_t& number) {
    if (digits.size() != 8) return false;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, number, 16);
    return error == std::errc() && stop == end;
}

// "name"="text" or "name"=dword:0000002a
bool ParseValue(std::string_view line, SettingsValue& value) {
    if (!TakeQuoted(line, value.name) || !TakePrefix(line, "=")) return false;
    value.isString = !line.empty() && line.front() == '"';
    if (value.isString) return TakeQuoted(line, value.text) && line.empty();
    return TakePrefix(line, kDwordPrefix) && ParseDword(line, value.number);
}

// Nothing when any line is neither a blank, a comment, a key header nor a
// value of a key. A key that appears twice is one key, as in a registry import.
std::optional<StoredKeys> ParseKeys(std::string_view text) {
    StoredKeys keys;
    StoredKey* current = nullptr;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (line.size() < 3 || line.back() != ']') return std::nullopt;
            current = &FindOrAddNamed(keys, line.substr(1, line.size() - 2));
            continue;
        }
        SettingsValue value;
        if (!current || !ParseValue(line, value)) return std::nullopt;
        FindOrAddNamed(current->values, value.name) = std::move(value);
    }
    return keys;
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c; break;
        }
    }
    out += '"';
}

void AppendValue(std::string& out, const SettingsValue& value) {
    AppendQuoted(out, value.name);
    out += '=';
    if (value.isString) {
        AppendQuoted(out, value.text);
    } else {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value.number));
        out += kDwordPrefix;
        out += digits;
    }
    out += '\n';
}

std::string FormatKeys(const StoredKeys& keys) {
    std::string out(kFileHeader);
    for (const StoredKey& key : keys) {
        out += "\n[";
        out += key.name;
        out += "]\n";
        for (const SettingsValue& value : key.values) AppendValue(out, value);
    }
    return out;
}

// A key name ends at the line's end and must not be empty, or the written
// file would not read back.
bool IsWritableKeyName(std::string_view name) {
    return !name.empty() && name.find_first_of("\r\n") == std::string_view::npos;
}

std::string& SettingsPathOverride() {
    static std::string path;
    return path;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// What the shell's '~' means: $HOME, else the user's account entry.
std::string HomeFolder() {
    std::string home = Variable("HOME");
    if (!home.empty()) return home;
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

}  // namespace

void SetSettingsFilePath(std::string path) { SettingsPathOverride() = std::move(path); }

std::string SettingsFilePath() {
    const std::string& path = SettingsPathOverride();
    return path.empty() ? DefaultSettingsFilePath() : path;
}

std::string DefaultSettingsFilePath() {
    std::string path = Variable("CORVATRIX_SETTINGS");
    if (!path.empty()) return path;
    std::string config = Variable("XDG_CONFIG_HOME");
    if (config.empty()) {
        std::string home = HomeFolder();
        if (home.empty()) return {};
        config = home + "/.config";
    }
    return config.append(kFileInConfigFolder);
}

SettingsKey::SettingsKey(std::string filePath, std::string_view keyPath)
    : filePath_(std::move(filePath)), keyPath_(keyPath) {}

SettingsKey SettingsKey::Open(std::string_view keyPath) { return Open(SettingsFilePath(), keyPath); }

SettingsKey SettingsKey::Open(std::string filePath, std::string_view keyPath) {
    SettingsKey key(std::move(filePath), keyPath);
    std::string text;
    if (!ReadWholeFile(key.filePath_, text)) return key;
    std::optional<StoredKeys> stored = ParseKeys(text);
    if (!stored) return key;
    if (StoredKey* found = FindNamed(*stored, keyPath)) {
        key.values_ = std::move(found->values);
        key.created_ = false;
    }
    return key;
}

bool SettingsKey::GetString(std::string_view name, std::string& value) const {
    const SettingsValue* found = FindNamed(values_, name);
    if (!found || !found->isString) return false;
    value = found->text;
    return true;
}

bool SettingsKey::GetDword(std::string_view name, std::uint32_t& value) const {
    const SettingsValue* found = FindNamed(values_, name);
    if (!found || found->isString) return false;
    value = found->number;
    return true;
}

void SettingsKey::SetString(std::string_view name, std::string_view value) {
    SettingsValue& slot = FindOrAddNamed(values_, name);
    slot.isString = true;
    slot.text = std::string(value);
    slot.number = 0;
}

void SettingsKey::SetDword(std::string_view name, std::uint32_t value) {
    SettingsValue& slot = FindOrAddNamed(values_, name);
    slot.isString = false;
    slot.text.clear();
    slot.number = value;
}

bool SettingsKey::Save() const {
    if (filePath_.empty() || !IsWritableKeyName(keyPath_)) return false;
    std::string text;
    // A file that exists but cannot be read would lose its other keys.
    if (!ReadWholeFile(filePath_, text) && FileExists(filePath_)) return false;
    // A corrupt file has no keys worth keeping: it is replaced.
    StoredKeys keys = ParseKeys(text).value_or(StoredKeys());
    FindOrAddNamed(keys, keyPath_).values = values_;
    return CreateParentFolders(filePath_) && ReplaceFile(filePath_, FormatKeys(keys));
}

}  // namespace os
