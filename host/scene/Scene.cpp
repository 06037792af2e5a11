#include "host/scene/Scene.h"

#include "host/core/Interval.h"

namespace {

bool Visit(INode* node, ITreeEnumProc& proc) {
    if (proc.callback(node) == TREE_ABORT) return false;
    for (int i = 0; i < node->NumberOfChildren(); ++i) {
        if (!Visit(node->GetChildNode(i), proc)) return false;
    }
    return true;
}

// Every node of the subtree, children before their parent.
void CollectChildrenFirst(INode* node, std::vector<INode*>& nodes) {
    for (int i = 0; i < node->NumberOfChildren(); ++i) CollectChildrenFirst(node->GetChildNode(i), nodes);
    nodes.push_back(node);
}

int CountSelected(const INode* node) {
    int count = node->Selected() ? 1 : 0;
    for (int i = 0; i < node->NumberOfChildren(); ++i) count += CountSelected(node->GetChildNode(i));
    return count;
}

}  // namespace

Scene::Scene() : root_("Scene Root") {}

Scene::~Scene() {
    for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) (*it)->DeleteThis();
}

bool Scene::EnumTree(ITreeEnumProc& proc) {
    for (int i = 0; i < root_.NumberOfChildren(); ++i) {
        if (!Visit(root_.Child(i), proc)) return false;
    }
    return true;
}

int Scene::GetSelNodeCount() const { return CountSelected(&root_); }

bool Scene::DeleteNode(INode* node) {
    if (node == nullptr || node->IsRootNode()) return false;
    INode* top = node;
    while (!top->GetParentNode()->IsRootNode()) top = top->GetParentNode();
    if (top->GetParentNode() != &root_) return false;

    std::vector<INode*> doomed;
    CollectChildrenFirst(node, doomed);
    for (INode* each : doomed) each->DeleteAllRefsToMe();
    return static_cast<SceneNode*>(node->GetParentNode())->DeleteChild(node);
}
