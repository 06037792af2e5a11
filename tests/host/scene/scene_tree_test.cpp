#include "host/scene/Scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingWalk : public ITreeEnumProc {
public:
    explicit RecordingWalk(std::string abortAt = {}) : abortAt_(std::move(abortAt)) {}
    int callback(INode* node) override {
        visited.emplace_back(node->GetName());
        return visited.back() == abortAt_ ? TREE_ABORT : TREE_CONTINUE;
    }
    std::vector<std::string> visited;

private:
    std::string abortAt_;
};

// A (A1 (A1a), A2), B, C (C1)
struct SampleTree {
    Scene scene;
    SceneNode* a = scene.GetRootNode()->AddChild("A");
    SceneNode* a1 = a->AddChild("A1");
    SceneNode* a1a = a1->AddChild("A1a");
    SceneNode* a2 = a->AddChild("A2");
    SceneNode* b = scene.GetRootNode()->AddChild("B");
    SceneNode* c = scene.GetRootNode()->AddChild("C");
    SceneNode* c1 = c->AddChild("C1");
};

}  // namespace

TEST(SceneTree, WalkVisitsEveryNodeDepthFirstEachBeforeItsChildren) {
    SampleTree tree;
    RecordingWalk walk;
    EXPECT_TRUE(tree.scene.EnumTree(walk));
    EXPECT_EQ(walk.visited, (std::vector<std::string>{"A", "A1", "A1a", "A2", "B", "C", "C1"}));

    Scene empty;
    RecordingWalk none;
    EXPECT_TRUE(empty.EnumTree(none));
    EXPECT_TRUE(none.visited.empty());
}

TEST(SceneTree, AbortEndsTheWholeWalk) {
    SampleTree tree;
    RecordingWalk deep("A1a");
    EXPECT_FALSE(tree.scene.EnumTree(deep));
    EXPECT_EQ(deep.visited, (std::vector<std::string>{"A", "A1", "A1a"}));

    RecordingWalk last("C1");
    EXPECT_FALSE(tree.scene.EnumTree(last));
    EXPECT_EQ(last.visited.size(), 7u);
}

TEST(SceneTree, LinksBetweenNodes) {
    SampleTree tree;
    INode* root = tree.scene.GetRootNode();
    EXPECT_TRUE(root->IsRootNode());
    EXPECT_EQ(root->GetParentNode(), nullptr);
    EXPECT_EQ(root->NumberOfChildren(), 3);
    EXPECT_EQ(root->GetChildNode(1), tree.b);

    EXPECT_FALSE(tree.a1a->IsRootNode());
    EXPECT_EQ(tree.a1a->GetParentNode(), tree.a1);
    EXPECT_EQ(tree.a1->GetParentNode(), tree.a);
    EXPECT_EQ(tree.a->GetParentNode(), root);
    EXPECT_EQ(tree.a->NumberOfChildren(), 2);
    EXPECT_EQ(tree.a->GetChildNode(1), tree.a2);
    EXPECT_EQ(tree.a->GetChildNode(2), nullptr);
    EXPECT_EQ(tree.a->GetChildNode(-1), nullptr);
    EXPECT_EQ(tree.b->NumberOfChildren(), 0);
}

TEST(SceneTree, SelectedCountCoversNestedNodes) {
    SampleTree tree;
    EXPECT_EQ(tree.scene.GetSelNodeCount(), 0);
    tree.a1a->SetSelected(true);
    tree.b->SetSelected(true);
    tree.c1->SetSelected(true);
    EXPECT_EQ(tree.scene.GetSelNodeCount(), 3);
    EXPECT_TRUE(tree.a1a->Selected());
    EXPECT_FALSE(tree.a1->Selected());
    tree.b->SetSelected(false);
    EXPECT_EQ(tree.scene.GetSelNodeCount(), 2);
}
