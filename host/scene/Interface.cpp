#include "host/scene/Interface.h"

#include "host/scene/Scene.h"
#include "host/ui/Dialog.h"
#include "host/ui/MainWindow.h"

#include <algorithm>
#include <iterator>

namespace {

// The command panel's size in pixels: as wide as the usual 108-unit page.
constexpr int kPanelWidth = 170;
constexpr int kPanelHeight = 1024;

// Not a function-local static: a signal handler may reach it, and that must
// not run a first-time initialisation.
Interface theInterface;

}  // namespace

Interface* GetCoreInterface() { return &theInterface; }

INode* Interface::GetRootNode() const { return scene_ != nullptr ? scene_->GetRootNode() : nullptr; }

int Interface::GetSelNodeCount() const { return scene_ != nullptr ? scene_->GetSelNodeCount() : 0; }

bool Interface::EnumTree(ITreeEnumProc& proc) const { return scene_ == nullptr || scene_->EnumTree(proc); }

void Interface::SetWarningSink(WarningSink* sink) {
    warningSink_ = sink;
    warnings_ = 0;
}

void Interface::Warn(std::string_view kind, std::string_view text) {
    ++warnings_;
    if (warningSink_ != nullptr) warningSink_->Warn(kind, text);
}

void Interface::ProgressStart(const std::string& title) {
    if (progress_ != nullptr) progress_->Start(title);
}

void Interface::ProgressUpdate(int percent, const std::string& text) {
    if (progress_ != nullptr) progress_->Update(percent, text);
}

void Interface::ProgressEnd() {
    if (progress_ != nullptr) progress_->End();
}

ui::HWND Interface::AddRollupPage(const ui::DialogTemplate& dialogTemplate, ui::DLGPROC proc,
                                  const std::string& title, ui::LPARAM param, unsigned flags, int category) {
    ForgetDeadPages();
    if (!ui::IsWindow(commandPanel_))
        commandPanel_ = ui::CreateWindow(ui::WC_DIALOG, "Command Panel", ui::WS_VISIBLE, 0, 0, kPanelWidth,
                                         kPanelHeight, ui::GetMainWindow(), 0);
    ui::HWND page = ui::CreateDialogParam(dialogTemplate, commandPanel_, proc, param);
    if (!page) return nullptr;

    const bool open = (flags & APPENDROLL_CLOSED) == 0;
    if (!open) ui::ShowWindow(page, ui::SW_HIDE);
    const auto after = std::find_if(pages_.begin(), pages_.end(),
                                    [category](const RollupPage& other) { return other.category > category; });
    pages_.insert(after, RollupPage{page, title, open, category});
    return page;
}

bool Interface::DeleteRollupPage(ui::HWND page) {
    if (PageIndex(page) < 0) return false;
    ui::DestroyWindow(page);
    ForgetDeadPages();
    return true;
}

std::vector<RollupPage> Interface::GetRollupPages() const {
    std::vector<RollupPage> live;
    std::copy_if(pages_.begin(), pages_.end(), std::back_inserter(live),
                 [](const RollupPage& page) { return ui::IsWindow(page.window); });
    return live;
}

bool Interface::SetRollupPageOpen(ui::HWND page, bool open) {
    const int index = PageIndex(page);
    if (index < 0) return false;
    pages_[static_cast<std::size_t>(index)].open = open;
    ui::ShowWindow(page, open ? ui::SW_SHOW : ui::SW_HIDE);
    return true;
}

bool Interface::IsRollupPageOpen(ui::HWND page) const {
    const int index = PageIndex(page);
    return index >= 0 && pages_[static_cast<std::size_t>(index)].open;
}

bool Interface::SetRollupPageHeight(int index, int height) {
    const std::vector<RollupPage> live = GetRollupPages();
    if (index < 0 || index >= static_cast<int>(live.size()) || height < 0) return false;
    ui::HWND page = live[static_cast<std::size_t>(index)].window;
    const ui::RECT frame = ui::GetWindowRect(page);
    const ui::RECT panel = ui::GetWindowRect(commandPanel_);
    return ui::MoveWindow(page, frame.left - panel.left, frame.top - panel.top, frame.right - frame.left, height);
}

int Interface::PageIndex(ui::HWND page) const {
    const auto found = std::find_if(pages_.begin(), pages_.end(),
                                    [page](const RollupPage& entry) { return entry.window == page; });
    return found != pages_.end() && ui::IsWindow(page) ? static_cast<int>(found - pages_.begin()) : -1;
}

void Interface::ForgetDeadPages() {
    pages_.erase(std::remove_if(pages_.begin(), pages_.end(),
                                [](const RollupPage& page) { return !ui::IsWindow(page.window); }),
                 pages_.end());
}
