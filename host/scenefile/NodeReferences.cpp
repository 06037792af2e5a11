#include "host/scenefile/NodeReferences.h"

#include "host/core/Animatable.h"
#include "host/scene/INode.h"
#include "host/core/Interval.h"
#include "host/scene/Scene.h"

#include <vector>

namespace scenefile {
namespace {

class NodesNamed : public ITreeEnumProc {
public:
    explicit NodesNamed(const std::string& name) : name_(name) {}
    int callback(INode* node) override {
        if (name_ == node->GetName()) found.push_back(node);
        return TREE_CONTINUE;
    }
    std::vector<INode*> found;

private:
    const std::string& name_;
};

}  // namespace

void ResolveNodeReference(const NodeReference& reference, Scene& scene) {
    NodesNamed named(reference.nodeName);
    scene.EnumTree(named);
    if (named.found.empty()) reference.at.Fail("no node named \"" + reference.at.Utf8() + "\"");
    if (named.found.size() > 1) {
        reference.at.Fail(std::to_string(named.found.size()) + " nodes are named \"" + reference.at.Utf8() +
                          "\"; the name must pick one");
    }
    if (reference.maker->MakeRefByID(FOREVER, reference.index, named.found[0]) != REF_SUCCEED) {
        reference.at.Fail("the object did not take the node");
    }
}

void ResolveNodeReferences(ReadContext& context) {
    for (const NodeReference& reference : context.nodeReferences) ResolveNodeReference(reference, context.scene);
}

}  // namespace scenefile
