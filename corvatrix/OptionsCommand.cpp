// corvatrix options: the stored export options as the exporter reads them.

#include "corvatrix/Commands.h"
#include "common/ExportOptions.h"
#include "host/os/EditorPaths.h"
#include "host/os/Settings.h"

#include <cstdio>

int RunOptions(const CommandLine& line) {
    if (!line.settingsFile.empty()) os::SetSettingsFilePath(line.settingsFile);
    ExportOptions options;
    std::fputs(options.Listing().c_str(), stdout);
    std::printf("EditorPaths=%s\n", os::EditorPathStyleName(os::StoredEditorPathStyle()));
    return kExitDone;
}
