#include "exporter/TextureList.h"

#include "host/scene/BoxObject.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ExportRegistryTest : public ::testing::Test {
protected:
    SceneNode* Node(Object* object, Mtl* mtl) {
        SceneNode* node = scene.GetRootNode()->AddChild("node");
        node->SetObject(object);
        node->SetMtl(mtl);
        return node;
    }
    Object* Box() { return scene.Adopt(new BoxObject(1.0f, 1.0f, 1.0f)); }
    Mtl* Material() { return scene.Adopt(new StdMtl); }

    Scene scene;
    ExportRegistry registry;
};

TEST_F(ExportRegistryTest, MaterialsAreSeenFromTheSecondTime) {
    Mtl* stone = Material();
    Mtl* wood = Material();
    EXPECT_FALSE(registry.SeenMaterial(stone));
    EXPECT_TRUE(registry.SeenMaterial(stone));
    EXPECT_FALSE(registry.SeenMaterial(wood));
    EXPECT_TRUE(registry.SeenMaterial(wood));
    EXPECT_EQ(registry.Count(), 2u);
}

TEST_F(ExportRegistryTest, InstancesShareObjectAndMaterial) {
    Object* box = Box();
    Mtl* stone = Material();
    SceneNode* first = Node(box, stone);
    EXPECT_EQ(registry.FindMeshInstance(*first), nullptr);
    EXPECT_EQ(registry.FindMeshInstance(*Node(box, stone)), first);
    EXPECT_EQ(registry.FindMeshInstance(*Node(box, stone)), first);
    // Either one differing makes a mesh of its own, which later nodes find.
    SceneNode* otherMaterial = Node(box, Material());
    EXPECT_EQ(registry.FindMeshInstance(*otherMaterial), nullptr);
    EXPECT_EQ(registry.FindMeshInstance(*Node(Box(), stone)), nullptr);
    EXPECT_EQ(registry.FindMeshInstance(*Node(box, otherMaterial->GetMtl())), otherMaterial);
    SceneNode* bare = Node(box, nullptr);
    EXPECT_EQ(registry.FindMeshInstance(*bare), nullptr);
    EXPECT_EQ(registry.FindMeshInstance(*Node(box, nullptr)), bare);
    EXPECT_EQ(registry.Count(), 4u);
}

TEST_F(ExportRegistryTest, FullRegistryRemembersNothingMore) {
    Object* box = Box();
    Mtl* stone = Material();
    SceneNode* first = Node(box, stone);
    EXPECT_EQ(registry.FindMeshInstance(*first), nullptr);
    std::vector<Mtl*> listed = {stone};
    while (registry.Count() < ExportRegistry::kCapacity) {
        listed.push_back(Material());
        EXPECT_FALSE(registry.SeenMaterial(listed.back()));
    }
    EXPECT_EQ(registry.Count(), 4096u);

    Mtl* late = Material();
    EXPECT_FALSE(registry.SeenMaterial(late));
    EXPECT_FALSE(registry.SeenMaterial(late));
    EXPECT_TRUE(registry.SeenMaterial(listed[4095]));
    EXPECT_EQ(registry.FindMeshInstance(*Node(box, stone)), nullptr);
    EXPECT_EQ(registry.FindMeshInstance(*Node(Box(), late)), nullptr);
    EXPECT_EQ(registry.Count(), 4096u);
}

}  // namespace
