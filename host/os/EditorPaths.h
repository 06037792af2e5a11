#pragma once
// How the level editor, which runs under Wine or natively, is given the paths
// of the files an export writes or names: the one mapping behind every FILE=
// of the EXEC script and behind the EXEC command itself.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace os {

enum class EditorPathStyle {
    Wine,  // Linux paths on Wine's Z: drive, with '\' ("Z:\home\me\out\Level.t3d")
    Unix,  // Linux paths with '/' only
};

// A folder that the editor sees as a drive of its own ("D:=/srv/ut2004").
struct DriveMapping {
    char letter = 'Z';   // upper case
    std::string folder;  // absolute, without a trailing '/' ("" for the root)
};

struct EditorPathMap {
    EditorPathStyle style = EditorPathStyle::Wine;
    std::vector<DriveMapping> drives;

    // The path as the editor opens it. A Windows path (a drive letter, or a
    // leading '\') is kept as written. An absolute Linux path under a mapped
    // folder goes on that drive, the longest folder winning, with '\'; any
    // other absolute Linux path is written in the style (either separator
    // counts as one, as everywhere in the file layer). A relative path is
    // kept as written. None when the path holds a '"' or a control
    // character: no console command can carry it in quotes.
    std::optional<std::string> EditorPath(std::string_view path) const;
};

// "wine" or "unix"; false for anything else.
bool ParseEditorPathStyle(std::string_view text, EditorPathStyle& style);
const char* EditorPathStyleName(EditorPathStyle style);

// "D:=/folder" (either letter case); false with a message saying what is wrong.
bool ParseDriveMapping(std::string_view text, DriveMapping& mapping, std::string& error);

// True for "C:…" and paths that start with '\': names the editor's side
// gives, which name no file on this machine.
bool IsWindowsPath(std::string_view path);

// The style kept in the settings file (the program's key, value "EditorPaths");
// Wine when none is stored or the stored text is no style.
EditorPathStyle StoredEditorPathStyle();
// False when the settings file could not be written.
bool StoreEditorPathStyle(EditorPathStyle style);

}  // namespace os
