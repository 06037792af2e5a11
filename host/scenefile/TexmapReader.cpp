#include "host/scenefile/TexmapReader.h"

#include "host/scene/ImageSize.h"
#include "host/scene/Scene.h"
#include "host/scene/Texmap.h"
#include "host/scenekeys/Windows1252.h"

#include <climits>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace scenefile {
namespace {

constexpr std::int64_t kMaxMapChannel = 99;

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// Where on this machine the image of a bitmap path is: a relative path from
// sceneFolder (made absolute), an absolute one as it is. None for a path on a
// Windows drive ("C:\tex\..."), which names no file here.
std::optional<std::string> LocalImagePath(std::string_view path, std::string_view sceneFolder) {
    if (HasDriveLetter(path)) return std::nullopt;
    const bool absolute = !path.empty() && (path[0] == '/' || path[0] == '\\');
    if (absolute) return std::string(path);
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::absolute(sceneFolder.empty() ? "." : sceneFolder, ignored);
    return (folder / std::string(path)).lexically_normal().string();
}

// The bitmap path as the map keeps it: resolved as LocalImagePath does, since
// the level editor would look for a relative path in its own folder. A folder
// that host text cannot carry leaves the path as written.
std::string MapName(const JsonCursor& path, std::string_view sceneFolder) {
    const std::optional<std::string> local = LocalImagePath(path.Utf8(), sceneFolder);
    std::string text;
    char32_t unmappable = 0;
    if (local && Utf8ToWindows1252(*local, text, unmappable)) return text;
    return path.Text();
}

Texmap* ReadChecker(const JsonCursor& map, ReadContext& context) {
    map.ExpectKeys({"type"});
    const JsonCursor type = map.Key("type");
    if (type.Utf8() != "checker") type.Fail("unknown texture map type \"" + type.Utf8() + "\" (only \"checker\")");
    return context.scene.Adopt(new CheckerTex());
}

void ReadSize(const JsonCursor& map, const std::string& utf8Path, ReadContext& context, BitmapTex& bitmap) {
    const std::optional<JsonCursor> width = map.Find("width");
    const std::optional<JsonCursor> height = map.Find("height");
    if (width && height) {
        const auto w = static_cast<int>(width->Integer(0, INT_MAX));
        bitmap.SetSize(w, static_cast<int>(height->Integer(0, INT_MAX)));
        return;
    }
    if (width || height) map.Fail("give both \"width\" and \"height\", or neither to read them from the file");
    int w = 0;
    int h = 0;
    // The file system names files in UTF-8, as the scene file does.
    const std::optional<std::string> image = LocalImagePath(utf8Path, context.sceneFolder);
    if (image) ReadImageSize(*image, w, h);
    bitmap.SetSize(w, h);
}

}  // namespace

Texmap* ReadTexmap(const JsonCursor& map, ReadContext& context) {
    if (map.Has("type")) return ReadChecker(map, context);
    map.ExpectKeys({"bitmap", "channel", "width", "height"});
    const JsonCursor path = map.Key("bitmap");
    // The path goes into quoted script and map texts; no real texture path
    // holds a quote or a control character.
    for (const char c : path.Utf8()) {
        if (c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            path.Fail("a bitmap path must not hold a quote or a control character");
        }
    }
    auto* bitmap = context.scene.Adopt(new BitmapTex());
    bitmap->SetMapName(MapName(path, context.sceneFolder));
    bitmap->SetMapChannel(static_cast<int>(map.Integer("channel", 1, kMaxMapChannel, 1)));
    ReadSize(map, path.Utf8(), context, *bitmap);
    return bitmap;
}

}  // namespace scenefile
