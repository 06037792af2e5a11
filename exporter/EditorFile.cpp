#include "exporter/EditorFile.h"

#include "host/scene/Interface.h"

std::optional<std::string> EditorFileArgument(Interface& host, std::string_view path, std::string_view what) {
    const std::optional<std::string> editorPath = host.GetEditorPaths().EditorPath(path);
    if (!editorPath) {
        host.Warn("path the editor cannot be given",
                  std::string(what) + ": its path holds a quote or a control character; no import line for it");
        return std::nullopt;
    }
    return "FILE=\"" + *editorPath + "\"";
}
