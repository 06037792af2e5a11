#include "host/scenefile/SceneFileReader.h"

#include "host/os/Files.h"
#include "host/scenefile/SceneReader.h"
#include "host/scenefile/TextPosition.h"
#include "host/scenekeys/JsonDocument.h"
#include "host/scenekeys/JsonPath.h"
#include "host/scenekeys/ReadError.h"

namespace {

// The folder part of path with its separator; either separator counts.
std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace

std::unique_ptr<Scene> ReadSceneFile(const std::string& path, std::string& error, PluginTypeHints hints) {
    // A device such as /dev/zero would never end.
    if (os::IsDevice(path)) {
        error = path + ": cannot read the file: it is a device, not a file or a pipe";
        return nullptr;
    }
    os::FileText file;
    if (!file.Load(path)) {
        error = path + ": cannot read the file: " + os::LastError();
        return nullptr;
    }
    try {
        const scenefile::JsonDocument document(file.View());
        auto scene = std::make_unique<Scene>();
        scenefile::ReadContext context{*scene, FolderOf(path), {}, {}, {}, hints};
        scenefile::ReadScene(scenefile::JsonCursor(document), context);
        return scene;
    } catch (const scenefile::SyntaxError& syntax) {
        const scenefile::TextPosition at = scenefile::PositionOfByte(file.View(), syntax.Offset());
        error = path + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " + syntax.what();
    } catch (const scenefile::ReadError& fault) {
        error = path + ": " + scenefile::ShownPath(fault.Path()) + ": " + fault.what();
    }
    return nullptr;
}
