#include "exporter/T3dExporter.h"

#include "common/PluginClassIds.h"
#include "common/Sanitize.h"
#include "common/T3dWriter.h"
#include "exporter/CompletionDialog.h"
#include "exporter/ExecScript.h"
#include "exporter/ExportContext.h"
#include "common/ExportOptions.h"
#include "exporter/ExporterStrings.h"
#include "exporter/OptionsDialog.h"
#include "exporter/SceneBounds.h"
#include "exporter/SceneWalker.h"
#include "exporter/TextureList.h"
#include "host/scene/Scene.h"
#include "host/ui/Dialog.h"

namespace {

const char kProgressTitle[] = "corvatrix export in progress...";
constexpr float kBoundsMargin = 128.0f;

}  // namespace

Class_ID T3dExporter::ClassID() const { return T3D_EXPORTER_CLASS_ID; }
const char* T3dExporter::Ext(int) { return LoadResString(IDS_EXTENSION).data(); }
const char* T3dExporter::LongDesc() { return LoadResString(IDS_LONG_DESC).data(); }
const char* T3dExporter::ShortDesc() { return LoadResString(IDS_SHORT_DESC).data(); }
const char* T3dExporter::AuthorName() { return LoadResString(IDS_AUTHOR).data(); }
const char* T3dExporter::CopyrightMessage() { return LoadResString(IDS_COPYRIGHT).data(); }

int T3dExporter::DoExport(const char* name, ExpInterface* ei, Interface* ip, bool suppressPrompts,
                          unsigned long options) {
    if (!suppressPrompts && RunOptionsDialog(options_, ui::GetActiveWindow()) != 0) return 1;

    T3dWriter writer;
    ip->SetExportFailure({});
    if (!writer.Open(name)) {
        ip->SetExportFailure(writer.FailureText());
        return 0;
    }
    ExportRegistry registry;
    SceneBounds bounds;
    ExportContext context{writer, options_, registry, ip};
    const bool selectedOnly = (options & SCENE_EXPORT_SELECTED) != 0;
    SceneWalker walker(context, bounds, selectedOnly);
    ip->SetExportSummary({});
    const int earlierWarnings = ip->GetWarningCount();

    if (selectedOnly && ip->GetSelNodeCount() == 0) {
        ip->Warn("nothing selected", "the export of the selected nodes found none selected: the map holds no nodes");
    }
    ip->ProgressStart(kProgressTitle);
    if (ei && ei->theScene) ei->theScene->EnumTree(walker);
    WriteClosingCommands(writer, options_, *ip);
    // The engine's X axis is the host's mirrored, so the box's X extent flips.
    const Point3& a = bounds.Min();
    const Point3& b = bounds.Max();
    bool finished =
        writer.FinishMap(Point3(-b.x - kBoundsMargin, a.y - kBoundsMargin, a.z - kBoundsMargin),
                         Point3(-a.x + kBoundsMargin, b.y + kBoundsMargin, b.z + kBoundsMargin), options_.BoundBrush != 0);
    ip->ProgressEnd();

    // A map that could not be created, or a disk that filled up, must not
    // pass for a finished level.
    if (!finished || writer.WriteFailed()) {
        ip->SetExportFailure(writer.FailureText());
        return 0;
    }
    // As the records name it: the option is the user's text.
    std::string package = options_.Package;
    Sanitize(package);
    ip->SetExportSummary(
        walker.Summary().Text(package, registry.AseFileCount(), ip->GetWarningCount() - earlierWarnings));
    std::string command = ExecCommand(writer, *ip);
    ip->SetClipboardText(command);
    ShowCompletionDialog(command, ui::GetActiveWindow());
    return 1;
}
