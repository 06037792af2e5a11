#include "host/os/EditorPaths.h"

#include "host/os/Settings.h"

#include <algorithm>
#include <cctype>

namespace os {
namespace {

// Its own key: the exporter reads a half-filled key of its own as zeros.
constexpr const char* kSettingsKey = "SOFTWARE\\corvatrix\\program";
constexpr const char* kStyleValue = "EditorPaths";

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool CanBeQuoted(std::string_view path) {
    return std::none_of(path.begin(), path.end(),
                        [](char c) { return c == '"' || (static_cast<unsigned char>(c) < 0x20) || c == 0x7F; });
}

// The rest of path after folder when folder holds it (folder itself counts);
// none otherwise. Both are Linux paths; separators compare alike.
std::optional<std::string_view> Below(std::string_view path, const std::string& folder) {
    if (path.size() < folder.size()) return std::nullopt;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        const bool same = IsSeparator(folder[i]) ? IsSeparator(path[i]) : folder[i] == path[i];
        if (!same) return std::nullopt;
    }
    const std::string_view rest = path.substr(folder.size());
    if (!rest.empty() && !IsSeparator(rest[0])) return std::nullopt;
    return rest;
}

std::string WithSeparator(std::string_view path, char separator) {
    std::string result(path);
    std::replace_if(result.begin(), result.end(), IsSeparator, separator);
    return result;
}

}  // namespace

bool IsWindowsPath(std::string_view path) {
    const bool driveLetter =
        path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])) != 0;
    return driveLetter || (!path.empty() && path[0] == '\\');
}

std::optional<std::string> EditorPathMap::EditorPath(std::string_view path) const {
    if (!CanBeQuoted(path)) return std::nullopt;
    if (IsWindowsPath(path) || path.empty() || path[0] != '/') return std::string(path);

    const DriveMapping* best = nullptr;
    std::string_view bestRest;
    for (const DriveMapping& drive : drives) {
        const std::optional<std::string_view> rest = Below(path, drive.folder);
        if (rest && (!best || drive.folder.size() > best->folder.size())) {
            best = &drive;
            bestRest = *rest;
        }
    }
    if (best) return std::string(1, best->letter) + ":" + (bestRest.empty() ? "\\" : WithSeparator(bestRest, '\\'));
    if (style == EditorPathStyle::Unix) return WithSeparator(path, '/');
    return "Z:" + WithSeparator(path, '\\');
}

bool ParseEditorPathStyle(std::string_view text, EditorPathStyle& style) {
    if (text == "wine") {
        style = EditorPathStyle::Wine;
    } else if (text == "unix") {
        style = EditorPathStyle::Unix;
    } else {
        return false;
    }
    return true;
}

const char* EditorPathStyleName(EditorPathStyle style) { return style == EditorPathStyle::Unix ? "unix" : "wine"; }

bool ParseDriveMapping(std::string_view text, DriveMapping& mapping, std::string& error) {
    if (text.size() < 3 || text[1] != ':' || text[2] != '=' || std::isalpha(static_cast<unsigned char>(text[0])) == 0) {
        error = "a drive mapping is LETTER:=/folder, not \"" + std::string(text) + "\"";
        return false;
    }
    std::string folder(text.substr(3));
    if (folder.empty() || folder[0] != '/') {
        error = "the folder of drive mapping \"" + std::string(text) + "\" must be an absolute path";
        return false;
    }
    if (!CanBeQuoted(folder)) {
        error = "the folder of drive mapping \"" + std::string(text) + "\" holds a quote or a control character";
        return false;
    }
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    mapping.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    mapping.folder = std::move(folder);
    return true;
}

EditorPathStyle StoredEditorPathStyle() {
    const SettingsKey key = SettingsKey::Open(kSettingsKey);
    std::string text;
    EditorPathStyle style = EditorPathStyle::Wine;
    if (key.GetString(kStyleValue, text)) ParseEditorPathStyle(text, style);
    return style;
}

bool StoreEditorPathStyle(EditorPathStyle style) {
    SettingsKey key = SettingsKey::Open(kSettingsKey);
    key.SetString(kStyleValue, EditorPathStyleName(style));
    return key.Save();
}

}  // namespace os
