#include "host/scene/Interface.h"

#include "host/scene/Scene.h"

namespace {

// Not a function-local static: a signal handler may reach it, and that must
// not run a first-time initialisation.
Interface theInterface;

}  // namespace

Interface* GetCoreInterface() { return &theInterface; }

INode* Interface::GetRootNode() const { return scene_ != nullptr ? scene_->GetRootNode() : nullptr; }

int Interface::GetSelNodeCount() const { return scene_ != nullptr ? scene_->GetSelNodeCount() : 0; }

bool Interface::EnumTree(ITreeEnumProc& proc) const { return scene_ == nullptr || scene_->EnumTree(proc); }

void Interface::ProgressStart(const std::string& title) {
    if (progress_ != nullptr) progress_->Start(title);
}

void Interface::ProgressUpdate(int percent, const std::string& text) {
    if (progress_ != nullptr) progress_->Update(percent, text);
}

void Interface::ProgressEnd() {
    if (progress_ != nullptr) progress_->End();
}
