#include "host/scene/Interface.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <vector>

namespace {

class RecordingDisplay : public ProgressDisplay {
public:
    void Start(const std::string& title) override { events.push_back("start " + title); }
    void Update(int percent, const std::string& text) override {
        events.push_back("update " + std::to_string(percent) + " " + text);
    }
    void End() override { events.emplace_back("end"); }
    std::vector<std::string> events;
};

class CountingWalk : public ITreeEnumProc {
public:
    int callback(INode*) override {
        ++count;
        return TREE_CONTINUE;
    }
    int count = 0;
};

// The interface is host-wide: every test leaves it as it found it.
class HostInterface : public ::testing::Test {
protected:
    void TearDown() override {
        host->SetScene(nullptr);
        host->SetProgressDisplay(nullptr);
        host->SetCancel(false);
        host->SetClipboardText({});
    }
    Interface* host = GetCoreInterface();
};

void CancelOnSignal(int) { GetCoreInterface()->SetCancel(true); }

}  // namespace

TEST_F(HostInterface, ReachesTheSceneItWasGiven) {
    EXPECT_EQ(host, GetCoreInterface());
    EXPECT_EQ(host->GetRootNode(), nullptr);
    EXPECT_EQ(host->GetSelNodeCount(), 0);
    CountingWalk nothing;
    EXPECT_TRUE(host->EnumTree(nothing));
    EXPECT_EQ(nothing.count, 0);

    Scene scene;
    SceneNode* wall = scene.GetRootNode()->AddChild("Wall");
    wall->AddChild("Door")->SetSelected(true);
    host->SetScene(&scene);
    EXPECT_EQ(host->GetRootNode(), scene.GetRootNode());
    EXPECT_EQ(host->GetSelNodeCount(), 1);
    CountingWalk walk;
    EXPECT_TRUE(host->EnumTree(walk));
    EXPECT_EQ(walk.count, 2);
}

TEST_F(HostInterface, ProgressGoesToTheDisplayWhenThereIsOne) {
    host->ProgressStart("unseen");
    host->ProgressUpdate(10, "unseen");
    host->ProgressEnd();

    RecordingDisplay display;
    host->SetProgressDisplay(&display);
    host->ProgressStart("exporting");
    host->ProgressUpdate(50, "50%");
    host->ProgressEnd();
    EXPECT_EQ(display.events, (std::vector<std::string>{"start exporting", "update 50 50%", "end"}));
}

TEST_F(HostInterface, CancelFlagCanBeRaisedFromASignalHandler) {
    EXPECT_FALSE(host->GetCancel());
    host->SetCancel(true);
    EXPECT_TRUE(host->GetCancel());
    host->SetCancel(false);
    EXPECT_FALSE(host->GetCancel());

    auto previous = std::signal(SIGUSR1, CancelOnSignal);
    ASSERT_NE(previous, SIG_ERR);
    std::raise(SIGUSR1);
    std::signal(SIGUSR1, previous);
    EXPECT_TRUE(host->GetCancel());
}
