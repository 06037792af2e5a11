// corvatrix export: loads the plug-ins and the scene, then runs the export
// plug-in as the host's File > Export would.

#include "corvatrix/CommandLineDriver.h"
#include "corvatrix/Commands.h"
#include "corvatrix/DesktopClipboard.h"
#include "corvatrix/PluginSession.h"
#include "corvatrix/SceneSource.h"
#include "corvatrix/TerminalProgress.h"
#include "corvatrix/WarningPrinter.h"
#include "host/os/EditorPaths.h"
#include "host/os/Files.h"
#include "host/gltf/GltfSceneReader.h"
#include "host/os/Settings.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"
#include "host/scene/SceneExport.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t cancelSignal = 0;

void RaiseCancel(int number) {
    cancelSignal = number;
    GetCoreInterface()->SetCancel(true);
}

// Ctrl-C, and a hang-up or termination request, are the progress display's
// cancel button for as long as this lives: the map is finished with what was
// written so far. A second signal stops the program at once.
class CancelOnSignals {
public:
    CancelOnSignals() {
        struct sigaction action {};
        action.sa_handler = RaiseCancel;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kCount; ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
    }
    ~CancelOnSignals() {
        for (std::size_t i = 0; i < kCount; ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
    }
    CancelOnSignals(const CancelOnSignals&) = delete;
    CancelOnSignals& operator=(const CancelOnSignals&) = delete;

private:
    static constexpr std::size_t kCount = 3;
    static constexpr int kSignals[kCount] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[kCount] {};
};

// The export plug-in for T3D files among the loaded classes, or null.
SceneExport* CreateT3dExporter(ClassDirectory& directory) {
    for (ClassDesc* desc : directory.OfSuperClass(SCENE_EXPORT_CLASS_ID)) {
        auto* exporter = static_cast<SceneExport*>(desc->Create(false));
        if (!exporter) continue;
        for (int i = 0; i < exporter->ExtCount(); ++i) {
            if (::strcasecmp(exporter->Ext(i), "T3D") == 0) return exporter;
        }
        exporter->DeleteThis();
    }
    return nullptr;
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char folder[4096];
    if (!::getcwd(folder, sizeof folder)) return path;
    return std::string(folder) + "/" + path;
}

struct ExportResult {
    int done = 0;
    bool cancelled = false;
};

// The style stored, or the one given (then stored), with this export's drives.
os::EditorPathMap EditorPaths(const CommandLine& line) {
    os::EditorPathMap paths{os::StoredEditorPathStyle(), line.drives};
    if (line.editorPaths) {
        paths.style = *line.editorPaths;
        if (!os::StoreEditorPathStyle(paths.style)) {
            std::fprintf(stderr, "corvatrix: warning: the editor path style could not be stored in %s: %s\n",
                         os::SettingsFilePath().c_str(), os::LastError().c_str());
        }
    }
    return paths;
}

ExportResult Export(SceneExport& exporter, Scene& scene, const CommandLine& line, CommandLineDriver& driver,
                    WarningPrinter& warnings) {
    Interface* ip = GetCoreInterface();
    TerminalProgress terminal;
    bool showProgress = !line.quiet && ::isatty(STDERR_FILENO);
    ip->SetProgressDisplay(showProgress ? &terminal : nullptr);
    ip->SetScene(&scene);
    ip->SetCancel(false);
    ip->SetClipboardText({});
    ip->SetEditorPaths(EditorPaths(line));
    ip->SetOrientBrushes(line.orientBrushes);
    ip->SetWarningSink(&warnings);

    ExpInterface ei{&scene};
    ExportResult result;
    {
        ui::ScopedDialogDriver scoped(driver);
        CancelOnSignals cancelOnSignals;
        std::string output = AbsolutePath(line.output);
        // An artist names a new folder for a new level; make it.
        os::CreateParentFolders(output);
        result.done = exporter.DoExport(output.c_str(), &ei, ip, false, line.selectedOnly ? SCENE_EXPORT_SELECTED : 0);
    }
    result.cancelled = ip->GetCancel();
    ip->SetScene(nullptr);
    ip->SetProgressDisplay(nullptr);
    ip->SetWarningSink(nullptr);
    warnings.PrintCounts();
    return result;
}

}  // namespace

int RunExport(const CommandLine& line, const std::string& programPath) {
    if (!line.settingsFile.empty()) os::SetSettingsFilePath(line.settingsFile);
    PluginSession plugins(line, programPath);

    std::string error;
    // The EXEC command names the output folder inside quotes.
    if (!os::EditorPathMap{}.EditorPath(AbsolutePath(line.output))) {
        std::fprintf(stderr, "corvatrix: the output path holds a quote or a control character, which UnrealEd's "
                             "console cannot be given\n");
        return kExitUsage;
    }
    SceneSource source = ReadSceneSource(line, AbsolutePath(line.output), error);
    std::unique_ptr<Scene>& scene = source.scene;
    if (!scene) {
        std::fprintf(stderr, "corvatrix: %s\n", error.c_str());
        return kExitUsage;
    }

    SceneExport* exporter = CreateT3dExporter(plugins.Manager().Directory());
    if (!exporter) {
        std::fprintf(stderr, "corvatrix: no export plug-in for T3D files is loaded (plug-in folder: %s)\n",
                     plugins.Folder().c_str());
        return kExitFailed;
    }
    // Only now, with a good scene and an exporter, is anything written.
    if (!gltf::WriteEmbeddedImages(source.images, error)) {
        exporter->DeleteThis();
        std::fprintf(stderr, "corvatrix: cannot write an image of %s: %s\n", line.scene.c_str(), error.c_str());
        return kExitFailed;
    }
    CommandLineDriver driver(line.edits);
    WarningPrinter warnings(stderr);
    ExportResult result = Export(*exporter, *scene, line, driver, warnings);
    exporter->DeleteThis();
    scene.reset();  // before the modules that made its objects go

    if (!result.done) {
        // The exporter names the file that failed; without one, the system's last word.
        const std::string& failure = GetCoreInterface()->GetExportFailure();
        std::fprintf(stderr, "corvatrix: cannot create the output files for %s: %s\n", line.output.c_str(),
                     failure.empty() ? os::LastError().c_str() : failure.c_str());
        return kExitFailed;
    }
    const std::string& command = GetCoreInterface()->GetClipboardText();
    const bool copied = !command.empty() && CopyToDesktopClipboard(command);
    if (result.cancelled) {
        std::fprintf(stderr, "corvatrix: export cancelled; the map holds the nodes written so far\n");
        return cancelSignal == SIGTERM ? kExitTerminated : kExitCancelled;
    }
    if (!line.quiet) {
        std::fputs(GetCoreInterface()->GetExportSummary().c_str(), stdout);
        // The dialog's message says the command is on the clipboard: true
        // only when a clipboard tool took it.
        if (!copied)
            std::printf("No desktop clipboard was reachable; the EXEC console command is printed below.\n");
        else if (!driver.CompletionMessage().empty())
            std::printf("%s\n", driver.CompletionMessage().c_str());
        std::printf("%s\n", driver.CompletionCommand().empty() ? command.c_str() : driver.CompletionCommand().c_str());
    }
    return kExitDone;
}
