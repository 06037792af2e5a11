#pragma once
// The host as the plug-ins reach it: the scene and the current time, the
// progress display with its cancel flag, the clipboard, how the level editor
// sees the export's paths, the warnings channel, and the rollup pages of the
// command panel. One instance exists host-wide; the program gives it
// the scene and a progress display.

#include "host/display/ViewExp.h"
#include "host/math/IPoint2.h"
#include "host/os/EditorPaths.h"
#include "host/scene/INode.h"
#include "host/scene/PickMode.h"
#include "host/core/TimeValue.h"
#include "host/scene/WarningSink.h"
#include "host/ui/Messages.h"

#include <atomic>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Scene;

namespace ui {
struct DialogTemplate;
}

// AddRollupPage flag: the page starts rolled up.
constexpr unsigned APPENDROLL_CLOSED = 0x1;
// The category of ordinary pages; pages of a lower category come first.
constexpr int ROLLUP_CAT_STANDARD = 4000;

// A page of the command panel, as the host lists it.
struct RollupPage {
    ui::HWND window = nullptr;
    std::string title;
    bool open = true;
    int category = ROLLUP_CAT_STANDARD;
};

// Where the host shows an operation's progress (a terminal, a window, nothing).
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void Start(const std::string& title) = 0;
    virtual void Update(int percent, const std::string& text) = 0;
    virtual void End() = 0;
};

class Interface {
public:
    // Neither is owned; null for none.
    void SetScene(Scene* scene) { scene_ = scene; }
    Scene* GetScene() const { return scene_; }
    void SetProgressDisplay(ProgressDisplay* display) { progress_ = display; }

    // Null without a scene.
    INode* GetRootNode() const;
    int GetSelNodeCount() const;
    // The scene walk (see Scene::EnumTree); false when proc aborted it.
    bool EnumTree(ITreeEnumProc& proc) const;

    // The time the user is at; plug-ins read and write parameters at it.
    TimeValue GetTime() const { return time_; }
    void SetTime(TimeValue time) { time_ = time; }

    void ProgressStart(const std::string& title);
    void ProgressUpdate(int percent, const std::string& text);
    void ProgressEnd();

    // The user's request to stop the running operation. Setting it is safe
    // from a signal handler; the program clears it.
    bool GetCancel() const { return cancel_.load(); }
    void SetCancel(bool cancel) { cancel_.store(cancel); }

    // The host keeps the text; the program hands it on to the desktop.
    void SetClipboardText(std::string text) { clipboard_ = std::move(text); }
    const std::string& GetClipboardText() const { return clipboard_; }

    // How the level editor is given the paths an export names; the program
    // sets it from its settings and flags (the default is the Wine style).
    void SetEditorPaths(os::EditorPathMap paths) { editorPaths_ = std::move(paths); }
    const os::EditorPathMap& GetEditorPaths() const { return editorPaths_; }
    // The user's request to wind every brush as the editor expects, whatever
    // way the scene's faces point.
    void SetOrientBrushes(bool on) { orientBrushes_ = on; }
    bool GetOrientBrushes() const { return orientBrushes_; }

    // Hands a warning to the sink (not owned; null drops it) and counts it.
    // Setting a sink starts the count again.
    void SetWarningSink(WarningSink* sink);
    void Warn(std::string_view kind, std::string_view text);
    int GetWarningCount() const { return warnings_; }
    // What the last export put into the level, for the program to print.
    void SetExportSummary(std::string text) { summary_ = std::move(text); }
    const std::string& GetExportSummary() const { return summary_; }
    // Why the last export failed ("<file>: <reason>"), for the program to
    // print; empty when it did not fail or gave no reason.
    void SetExportFailure(std::string text) { failure_ = std::move(text); }
    const std::string& GetExportFailure() const { return failure_; }

    // Adds a page to the command panel: a modeless dialog made from
    // dialogTemplate inside the panel, whose procedure proc gets param with
    // WM_INITDIALOG. With APPENDROLL_CLOSED in flags it is added rolled up.
    // Pages stay in category order, in the order added within a category.
    // Null when the dialog cannot be built.
    ui::HWND AddRollupPage(const ui::DialogTemplate& dialogTemplate, ui::DLGPROC proc, const std::string& title,
                           ui::LPARAM param = 0, unsigned flags = 0, int category = ROLLUP_CAT_STANDARD);
    // Destroys the page (its procedure gets WM_DESTROY); false for a window
    // that is not a page.
    bool DeleteRollupPage(ui::HWND page);
    // The live pages, top to bottom.
    std::vector<RollupPage> GetRollupPages() const;
    // Rolls a page open or up, as a click on its title does. A rolled-up
    // page is hidden, so its controls take no user input.
    bool SetRollupPageOpen(ui::HWND page, bool open);
    bool IsRollupPageOpen(ui::HWND page) const;
    // Gives the page at index (in GetRollupPages order) a height in pixels.
    bool SetRollupPageHeight(int index, int height);

    // The viewport the user works in (the headless host has one); owned by
    // the interface.
    ViewExp* GetActiveViewport() { return &viewport_; }
    // Draws every node of the scene at time t into the active viewport,
    // replacing what it showed. Objects ask for this after a change the
    // user made.
    void RedrawViews(TimeValue t);
    // How many times RedrawViews ran.
    int GetRedrawCount() const { return redraws_; }

    // Starts pick mode with mode (the interface does not own it), ending
    // the mode that was on; EnterMode tells mode.
    void SetPickMode(PickModeCallback* mode);
    // Ends the pick mode, if one is on; its ExitMode is told.
    void ClearPickMode();
    // Null when no pick mode is on.
    PickModeCallback* GetCurPickMode() const { return pickMode_; }
    // The node under pt in the viewport whose window is hWnd (only the
    // active viewport's): the nearest hit of all nodes that are not
    // frozen, by their objects' hit tests at the current time. The
    // viewport's hit list holds every node hit. Null without a hit.
    INode* PickNode(ui::HWND hWnd, IPoint2 pt);

private:
    // Where the page is in pages_; -1 when the window is no live page.
    int PageIndex(ui::HWND page) const;
    void ForgetDeadPages();

    static_assert(std::atomic<bool>::is_always_lock_free, "the cancel flag is set from signal handlers");

    Scene* scene_ = nullptr;
    ProgressDisplay* progress_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::string clipboard_;
    os::EditorPathMap editorPaths_;
    bool orientBrushes_ = false;
    WarningSink* warningSink_ = nullptr;
    int warnings_ = 0;
    std::string summary_;
    std::string failure_;
    TimeValue time_ = 0;
    ui::HWND commandPanel_ = nullptr;
    std::vector<RollupPage> pages_;
    ViewExp viewport_;
    int redraws_ = 0;
    PickModeCallback* pickMode_ = nullptr;
};

// The host-wide instance; it exists as soon as the host library is loaded.
Interface* GetCoreInterface();
