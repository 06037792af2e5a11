// An actor helper in the viewport: what it draws, in which colour, where it
// can be picked, its boxes, and placing one with the mouse.

#include "host/core/ClassDirectory.h"
#include "host/display/GraphicsWindow.h"
#include "host/display/HitRegion.h"
#include "host/display/ViewExp.h"
#include "host/display/ViewportColors.h"
#include "host/scene/CreateByMouse.h"
#include "host/scene/Interface.h"
#include "host/scene/RenderView.h"
#include "host/scene/Scene.h"
#include "objects/actor/ActorHelperObject.h"
#include "tests/objects/actor/ActorFolder.h"

#include <gtest/gtest.h>

namespace {

class ActorDisplay : public ::testing::Test {
protected:
    ActorDisplay() : actor(folder.Library()) {
        node = scene.GetRootNode()->AddChild("Actor01");
        node->SetObject(&actor);
        node->SetPosition(Point3(100, 50, 0));
        node->SetWireColor(0x00804020);
    }
    std::vector<DrawnSegment> Drawn() {
        vpt.getGW()->ClearDrawing();
        actor.Display(0, node, &vpt, 0);
        return vpt.getGW()->GetDrawnSegments();
    }
    bool HitAt(int x, int y) {
        IPoint2 m{x, y};
        return actor.HitTest(0, node, HITTYPE_POINT, 0, 0, &m, &vpt) != 0;
    }

    ActorFolder folder;
    ActorHelperObject actor;
    Scene scene;
    SceneNode* node = nullptr;
    ViewExp vpt;
};

TEST_F(ActorDisplay, DrawsTheIconInTheWireColourAndTheArrowWhenDirectional) {
    const std::vector<DrawnSegment> icon = Drawn();
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(icon[0].color, Point3(0x20 / 256.0f, 0x40 / 256.0f, 0x80 / 256.0f));
    float maxX = -1e9f;
    for (const DrawnSegment& s : icon) maxX = std::max({maxX, s.from.x, s.to.x});
    EXPECT_FLOAT_EQ(maxX, 320 + 100 + 16) << "the plate's edge";

    actor.SetValue(kDirectionalParam, 0, 1);
    const std::vector<DrawnSegment> withArrow = Drawn();
    EXPECT_GT(withArrow.size(), icon.size());
    for (const DrawnSegment& s : withArrow) maxX = std::max({maxX, s.from.x, s.to.x});
    EXPECT_NEAR(maxX, 320 + 100 + 30.5805f, 1e-3) << "the arrow's tip";

    node->SetSelected(true);
    EXPECT_EQ(Drawn()[0].color, GetSelColor());
    node->SetFrozen(true);
    EXPECT_EQ(Drawn()[0].color, GetFreezeColor()) << "frozen wins over selected";
}

TEST_F(ActorDisplay, HitsOnlyWhereItIsDrawn) {
    EXPECT_TRUE(HitAt(320 + 100 + 16, 240 - 50)) << "on the plate's edge";
    EXPECT_TRUE(HitAt(320 + 100 + 19, 240 - 50)) << "within four pixels";
    EXPECT_FALSE(HitAt(320 + 100 + 26, 240 - 50)) << "where the arrow would be";
    actor.SetValue(kDirectionalParam, 0, 1);
    EXPECT_TRUE(HitAt(320 + 100 + 30, 240 - 50)) << "the arrow's tip";
}

TEST_F(ActorDisplay, BoxesFollowTheShownMeshAndTheArrow) {
    Box3 local;
    actor.GetLocalBoundBox(0, node, &vpt, local);
    EXPECT_EQ(local.Min(), Point3(-16, -16, 0));
    EXPECT_FLOAT_EQ(local.Max().z, 31.8382f) << "the letter's top";
    actor.SetValue(kDirectionalParam, 0, 1);
    actor.GetLocalBoundBox(0, node, &vpt, local);
    EXPECT_FLOAT_EQ(local.Max().x, 30.5805f);

    Box3 world;
    actor.GetWorldBoundBox(0, node, &vpt, world);
    EXPECT_EQ(world.Min(), Point3(84, 34, 0)) << "the arrow is not in the world box";
}

TEST_F(ActorDisplay, IconWinsForDisplayButRenderingKeepsTheDefinitionMesh) {
    folder.Write("Rock.cxa", "Rock", {}, OneTriangle(100.0f, 0));
    ActorHelperObject rock(folder.Library());
    ASSERT_TRUE(rock.ChooseClass(0));
    Box3 box;
    rock.GetLocalBoundBox(0, node, &vpt, box);
    EXPECT_EQ(box.Max(), Point3(100, 100, 0));
    rock.SetValue(kShowAsIconParam, 0, 1);
    rock.GetLocalBoundBox(0, node, &vpt, box);
    EXPECT_EQ(box.Max().x, 16.0f);
    View view;
    bool needDelete = true;
    Mesh* rendered = rock.GetRenderMesh(0, node, view, needDelete);
    EXPECT_FALSE(needDelete);
    ASSERT_NE(rendered, nullptr);
    EXPECT_EQ(rendered->getNumFaces(), 1);
}

TEST(ActorCreation, OneClickPlacesANamedActorOnTheConstructionPlane) {
    ActorFolder folder;
    Scene scene;
    Interface* ip = GetCoreInterface();
    ip->SetScene(&scene);
    ActorHelperObject* made = nullptr;
    // The class directory makes the module's actors; a local descriptor stands in.
    struct LocalActorDesc : ClassDesc2 {
        explicit LocalActorDesc(const ActorLibrary& lib, ActorHelperObject*& out) : library(lib), made(out) {}
        bool IsPublic() const override { return true; }
        Animatable* Create(bool) override { return made = new ActorHelperObject(library); }
        const char* ClassName() const override { return "Actor"; }
        const char* Category() const override { return "corvatrix"; }
        SClass_ID SuperClassID() const override { return GEOMOBJECT_CLASS_ID; }
        Class_ID ClassID() const override { return ACTOR_HELPER_CLASS_ID; }
        const char* InternalName() const override { return "cxObjActor"; }
        HINSTANCE HInstance() const override { return nullptr; }
        const ActorLibrary& library;
        ActorHelperObject*& made;
    } desc(folder.Library(), made);
    ASSERT_TRUE(ClassDirectory::Host().Add(&desc, "test"));
    INode* node = CreateNodeByMouse(ip, GEOMOBJECT_CLASS_ID, ACTOR_HELPER_CLASS_ID, {IPoint2{330, 220}});
    ClassDirectory::Host().Remove(&desc);
    ip->SetScene(nullptr);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(std::string(node->GetName()), "Actor001");
    EXPECT_EQ(node->GetNodeTM(0).GetTrans(), Point3(10, 20, 0));
}

}  // namespace
