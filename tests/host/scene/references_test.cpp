#include "host/core/Interval.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Refers to one node as its event, as the trigger helper does: it forgets
// the node when told it is deleted and follows its renames.
class EventHolder : public HelperObject {
public:
    Class_ID ClassID() const override { return Class_ID(0x7E57, 1); }
    int NumRefs() override { return 1; }
    RefTargetHandle GetReference(int) override { return event; }
    void SetReference(int, RefTargetHandle target) override {
        event = static_cast<INode*>(target);
        name = event != nullptr ? event->GetName() : "- None -";
    }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle target, PartID&, RefMessage message) override {
        messages.push_back(message);
        if (message == REFMSG_TARGET_DELETED && target == event) DeleteReference(0);
        if (message == REFMSG_NODE_NAMECHANGE && target == event) name = event->GetName();
        return REF_SUCCEED;
    }

    INode* event = nullptr;
    std::string name = "- None -";
    std::vector<RefMessage> messages;
};

// Keeps its pointer whatever it hears.
class DeafHolder : public EventHolder {
public:
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage message) override {
        messages.push_back(message);
        return REF_SUCCEED;
    }
};

class References : public ::testing::Test {
protected:
    Scene scene;
    SceneNode* door = scene.GetRootNode()->AddChild("Door");
};

}  // namespace

TEST_F(References, MakerFollowsRenameAndForgetsDeletedTarget) {
    SceneNode* lift = scene.GetRootNode()->AddChild("Lift");
    EventHolder holder;
    EXPECT_EQ(holder.ReplaceReference(1, door), REF_FAIL) << "the holder has one reference";
    ASSERT_EQ(holder.MakeRefByID(FOREVER, 0, lift), REF_SUCCEED);
    ASSERT_EQ(holder.ReplaceReference(0, door), REF_SUCCEED);
    lift->SetName("Old lift");
    EXPECT_TRUE(holder.messages.empty()) << "the lift is no longer referred to";

    door->SetName("Gate");
    EXPECT_EQ(holder.name, "Gate");
    ASSERT_TRUE(scene.DeleteNode(door));
    EXPECT_EQ(holder.event, nullptr);
    EXPECT_EQ(holder.name, "- None -");
    EXPECT_EQ(holder.messages, (std::vector<RefMessage>{REFMSG_NODE_NAMECHANGE, REFMSG_TARGET_DELETED}));
    EXPECT_EQ(scene.GetRootNode()->NumberOfChildren(), 1);
}

TEST_F(References, MakerDeletedFirstIsNeverCalledAgain) {
    auto gone = std::make_unique<EventHolder>();
    EventHolder stays;
    gone->ReplaceReference(0, door);
    stays.ReplaceReference(0, door);
    gone.reset();
    door->SetName("Renamed");
    EXPECT_EQ(stays.name, "Renamed");
    EXPECT_TRUE(scene.DeleteNode(door));
    EXPECT_EQ(stays.event, nullptr);
}

TEST_F(References, NoPointerToADeletedTargetSurvives) {
    DeafHolder deaf;
    deaf.ReplaceReference(0, door);
    ASSERT_TRUE(scene.DeleteNode(door));
    EXPECT_EQ(deaf.messages, std::vector<RefMessage>{REFMSG_TARGET_DELETED});
    EXPECT_EQ(deaf.event, nullptr) << "the host cleared what the maker kept";

    EventHolder holder;
    {
        SceneNode loose("Loose");  // destroyed outside any scene
        holder.ReplaceReference(0, &loose);
    }
    EXPECT_EQ(holder.event, nullptr);
}

TEST_F(References, DeletingANodeDeletesItsSubtreeAndOnlyInItsScene) {
    SceneNode* handle = door->AddChild("Handle");
    EventHolder onHandle;
    onHandle.ReplaceReference(0, handle);
    Scene other;
    EXPECT_FALSE(other.DeleteNode(door));
    EXPECT_FALSE(scene.DeleteNode(scene.GetRootNode()));
    EXPECT_EQ(onHandle.event, handle);

    ASSERT_TRUE(scene.DeleteNode(door));
    EXPECT_EQ(onHandle.event, nullptr);
    EXPECT_EQ(scene.GetRootNode()->NumberOfChildren(), 0);
}

TEST_F(References, MakerThatLetsGoDuringANotificationHearsNoMore) {
    EventHolder later;
    // Hears first and makes the later maker drop its reference.
    class Dropper : public EventHolder {
    public:
        RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage message) override {
            messages.push_back(message);
            other->DeleteReference(0);
            return REF_SUCCEED;
        }
        EventHolder* other = nullptr;
    } dropper;
    dropper.other = &later;
    dropper.ReplaceReference(0, door);
    later.ReplaceReference(0, door);

    door->NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    EXPECT_EQ(dropper.messages, std::vector<RefMessage>{REFMSG_CHANGE});
    EXPECT_TRUE(later.messages.empty());
    EXPECT_EQ(later.event, nullptr);
}
