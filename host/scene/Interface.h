#pragma once
// The host as the plug-ins reach it: the scene, the progress display with its
// cancel flag, and the clipboard. One instance exists host-wide; the program
// gives it the scene and a progress display.

#include "host/scene/INode.h"

#include <atomic>
#include <string>
#include <utility>

class Scene;

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

private:
    static_assert(std::atomic<bool>::is_always_lock_free, "the cancel flag is set from signal handlers");

    Scene* scene_ = nullptr;
    ProgressDisplay* progress_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::string clipboard_;
};

// The host-wide instance; it exists as soon as the host library is loaded.
Interface* GetCoreInterface();
