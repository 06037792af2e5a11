#include "host/scene/CreateByMouse.h"

#include "host/core/ClassDirectory.h"
#include "host/math/Decomp.h"
#include "host/scene/CreateMouseCallBack.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"

#include <cstdio>
#include <set>
#include <string>

namespace {

struct MouseEvent {
    int msg;
    IPoint2 m;
};

// Sends each click's press, release and the move on to the next click;
// CREATE_STOP once the object is placed, CREATE_ABORT when it is not.
int RunCallback(CreateMouseCallBack& callback, ViewExp& vpt, const std::vector<IPoint2>& clicks, Matrix3& mat) {
    int point = 0;
    for (std::size_t k = 0; k < clicks.size(); ++k) {
        const IPoint2 next = k + 1 < clicks.size() ? clicks[k + 1] : clicks[k];
        for (const MouseEvent& event : {MouseEvent{MOUSE_POINT, clicks[k]}, MouseEvent{MOUSE_POINT, clicks[k]},
                                        MouseEvent{MOUSE_MOVE, next}}) {
            const int answer = callback.proc(&vpt, event.msg, point, 0, event.m, mat);
            if (answer == CREATE_STOP) return CREATE_STOP;
            if (answer != CREATE_CONTINUE) return CREATE_ABORT;
            if (event.msg == MOUSE_POINT) ++point;
        }
    }
    callback.proc(&vpt, MOUSE_ABORT, point, 0, clicks.empty() ? IPoint2{} : clicks.back(), mat);
    return CREATE_ABORT;
}

class NameCollector : public ITreeEnumProc {
public:
    int callback(INode* node) override {
        names.insert(node->GetName());
        return TREE_CONTINUE;
    }
    std::set<std::string> names;
};

// base followed by the lowest three-digit number no node has yet.
std::string NextFreeName(Scene& scene, const std::string& base) {
    NameCollector taken;
    scene.EnumTree(taken);
    for (int number = 1;; ++number) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%03d", number);
        if (taken.names.count(base + suffix) == 0) return base + suffix;
    }
}

// The node's transform becomes mat, as far as a scale along the node's own
// axes, a rotation and a position can give it.
void Place(SceneNode& node, const Matrix3& mat) {
    AffineParts parts;
    decomp_affine(mat, &parts);
    node.SetScale(parts.k * parts.f);
    node.SetRotation(parts.q);
    node.SetPosition(parts.t);
}

}  // namespace

INode* CreateNodeByMouse(Interface* ip, SClass_ID superClass, Class_ID id, const std::vector<IPoint2>& clicks) {
    Scene* scene = ip->GetScene();
    if (scene == nullptr) return nullptr;
    Animatable* made = ClassDirectory::Host().Create(superClass, id, false);
    auto* object = dynamic_cast<Object*>(made);
    if (object == nullptr || object->GetCreateMouseCallBack() == nullptr) {
        if (made != nullptr) made->DeleteThis();
        return nullptr;
    }

    object->BeginEditParams(ip, BEGIN_EDIT_CREATE, nullptr);
    Matrix3 mat;
    const int result = RunCallback(*object->GetCreateMouseCallBack(), *ip->GetActiveViewport(), clicks, mat);
    object->EndEditParams(ip, END_EDIT_REMOVEUI, nullptr);
    if (result != CREATE_STOP) {
        object->DeleteThis();
        return nullptr;
    }

    scene->Adopt(object);
    std::string base;
    object->InitNodeName(base);
    SceneNode* node = scene->GetRootNode()->AddChild(NextFreeName(*scene, base));
    node->SetObject(object);
    Place(*node, mat);
    return node;
}
