// The interface's viewport: redrawing the scene into it and node pick mode.

#include "host/display/HitRegion.h"
#include "host/scene/Interface.h"

#include <utility>

namespace {

// Calls visit with each node of the scene walk that holds an object.
template <class Visit>
class EachObjectNode : public ITreeEnumProc {
public:
    EachObjectNode(TimeValue t, Visit visit) : t_(t), visit_(std::move(visit)) {}
    int callback(INode* node) override {
        if (Object* object = node->EvalWorldState(t_).obj) visit_(node, object);
        return TREE_CONTINUE;
    }

private:
    TimeValue t_;
    Visit visit_;
};

template <class Visit>
void ForEachObjectNode(const Interface& ip, TimeValue t, Visit visit) {
    EachObjectNode<Visit> walk(t, std::move(visit));
    ip.EnumTree(walk);
}

}  // namespace

void Interface::RedrawViews(TimeValue t) {
    ++redraws_;
    viewport_.getGW()->ClearDrawing();
    ForEachObjectNode(*this, t, [this, t](INode* node, Object* object) {
        object->Display(t, node, &viewport_, USE_DAMAGE_RECT);
    });
}

void Interface::SetPickMode(PickModeCallback* mode) {
    ClearPickMode();
    pickMode_ = mode;
    if (mode != nullptr) mode->EnterMode(this);
}

void Interface::ClearPickMode() {
    // Taken off first: ExitMode may itself ask to clear the mode.
    PickModeCallback* ending = std::exchange(pickMode_, nullptr);
    if (ending != nullptr) ending->ExitMode(this);
}

INode* Interface::PickNode(ui::HWND hWnd, IPoint2 pt) {
    viewport_.ClearHitList();
    if (hWnd == nullptr || hWnd != viewport_.GetHWnd()) return nullptr;
    const TimeValue t = time_;
    ForEachObjectNode(*this, t, [this, t, &pt](INode* node, Object* object) {
        if (node->IsFrozen()) return;
        if (object->HitTest(t, node, HITTYPE_POINT, 0, 0, &pt, &viewport_))
            viewport_.LogHit(node, viewport_.getGW()->getHitDistance());
    });
    return viewport_.GetClosestHit();
}
