#include "exporter/NodeClassifier.h"
#include "host/scene/BoxObject.h"
#include "host/scene/LightObject.h"
#include "host/scene/PlainObjects.h"
#include "host/scene/Scene.h"
#include "tests/exporter/driver/TaggedModifier.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

class Classify : public ::testing::Test {
protected:
    // A box whose stack holds modifiers of these classes, top first.
    SceneNode* Box(std::initializer_list<Class_ID> stack) {
        SceneNode* node = scene.GetRootNode()->AddChild("Box01");
        node->SetObject(scene.Adopt(new BoxObject(10, 10, 10)));
        for (const Class_ID& id : stack) node->AddModifierAtBottom(scene.Adopt(new TaggedModifier(id)));
        return node;
    }
    SceneNode* Holding(Object* object) {
        SceneNode* node = scene.GetRootNode()->AddChild("Thing");
        node->SetObject(scene.Adopt(object));
        return node;
    }

    Scene scene;
};

TEST_F(Classify, GeometryBecomesMeshBrushOrMoverByTheNearestTaggingModifier) {
    NodeClass plain = ClassifyNode(*Box({}));
    EXPECT_EQ(plain.kind, NodeKind::StaticMesh);
    EXPECT_EQ(plain.modifier, nullptr);
    EXPECT_TRUE(plain.hasGeometry);

    SceneNode* withProperties = Box({OTHER_MODIFIER_CLASS_ID, CXMOD_CLASS_ID, OTHER_MODIFIER_CLASS_ID});
    NodeClass mesh = ClassifyNode(*withProperties);
    EXPECT_EQ(mesh.kind, NodeKind::StaticMesh);
    ASSERT_NE(mesh.modifier, nullptr);
    EXPECT_EQ(mesh.modifier->ClassID(), CXMOD_CLASS_ID);

    // A brush modifier below the properties modifier still makes a brush, and
    // the record receives the brush modifier.
    NodeClass brush = ClassifyNode(*Box({CXMOD_CLASS_ID, OTHER_MODIFIER_CLASS_ID, BRUSH_MODIFIER_CLASS_ID}));
    EXPECT_EQ(brush.kind, NodeKind::Brush);
    ASSERT_NE(brush.modifier, nullptr);
    EXPECT_EQ(brush.modifier->ClassID(), BRUSH_MODIFIER_CLASS_ID);

    EXPECT_EQ(ClassifyNode(*Box({MOVER_MODIFIER_CLASS_ID, BRUSH_MODIFIER_CLASS_ID})).kind, NodeKind::Mover);
    EXPECT_EQ(ClassifyNode(*Box({BRUSH_MODIFIER_CLASS_ID, MOVER_MODIFIER_CLASS_ID})).kind, NodeKind::Brush);
}

TEST_F(Classify, HelpersLightsAndUnexportedObjects) {
    EXPECT_EQ(ClassifyNode(*Holding(new StandardLight(LightType::Omni))).kind, NodeKind::Light);
    // The kinds a light record skips are still lights to the driver.
    EXPECT_EQ(ClassifyNode(*Holding(new StandardLight(LightType::Directional))).kind, NodeKind::Light);
    EXPECT_EQ(ClassifyNode(*Holding(new SplineShape)).kind, NodeKind::None);
    EXPECT_EQ(ClassifyNode(*Holding(new CameraObject)).kind, NodeKind::None);
    EXPECT_EQ(ClassifyNode(*Holding(new DummyObject)).kind, NodeKind::None);
    SceneNode* empty = scene.GetRootNode()->AddChild("Empty");
    EXPECT_EQ(ClassifyNode(*empty).kind, NodeKind::None);
    EXPECT_FALSE(ClassifyNode(*Holding(new StandardLight(LightType::Omni))).hasGeometry);
}

}  // namespace
