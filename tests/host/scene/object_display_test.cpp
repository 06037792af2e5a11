#include "host/display/ViewportColors.h"
#include "host/scene/PlainObjects.h"
#include "tests/host/scene/ViewportScene.h"

#include <gtest/gtest.h>

#include <vector>

using ObjectDisplay = ViewportScene;

TEST_F(ObjectDisplay, MeshObjectShowsItsEdgesInTheNodesColour) {
    SceneNode* node = AddSquare("Plate", Point3(100, 0, 0));
    node->SetWireColor(0x00FF0080);
    ViewExp vpt;
    Object* object = node->EvalWorldState(0).obj;
    const auto firstColour = [&] {
        vpt.getGW()->ClearDrawing();
        object->Display(0, node, &vpt, 0);
        return vpt.getGW()->GetDrawnSegments().at(0).color;
    };

    EXPECT_EQ(firstColour(), Point3(128.0f / 256, 0, 255.0f / 256));
    const std::vector<DrawnSegment>& drawn = vpt.getGW()->GetDrawnSegments();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].from, Point3(400, 260, 0));
    node->SetSelected(true);
    EXPECT_EQ(firstColour(), GetSelColor());
    node->SetFrozen(true);
    EXPECT_EQ(firstColour(), GetFreezeColor()) << "frozen wins over selected";

    vpt.SetDamageRect(Rect(0, 0, 430, 479));  // the right edge, at x = 440, lies wholly outside
    object->Display(0, node, &vpt, USE_DAMAGE_RECT);
    EXPECT_EQ(drawn.size(), 4u + 3u);
}

TEST_F(ObjectDisplay, HitTestAndBoxesFollowWhatIsShown) {
    SceneNode* node = AddSquare("Plate", Point3(0, 0, 7));
    ViewExp vpt;
    Object* object = node->EvalWorldState(0).obj;
    IPoint2 onEdge(304, 240);
    IPoint2 inside(320, 240);
    EXPECT_EQ(object->HitTest(0, node, HITTYPE_POINT, 0, 0, &onEdge, &vpt), 1);
    EXPECT_EQ(object->HitTest(0, node, HITTYPE_POINT, 0, 0, &inside, &vpt), 0);
    EXPECT_EQ(vpt.getGW()->getRndLimits() & GW_PICK, 0u) << "the render limits are put back";
    IPoint2 across[2] = {IPoint2(290, 210), IPoint2(310, 270)};
    EXPECT_EQ(object->HitTest(0, node, HITTYPE_BOX, 0, 0, across, &vpt), 0) << "a window box must hold it all";
    EXPECT_EQ(object->HitTest(0, node, HITTYPE_BOX, 1, 0, across, &vpt), 1);

    Box3 box;
    object->GetLocalBoundBox(0, node, nullptr, box);
    EXPECT_EQ(box.Min(), Point3(-20, -20, 0));
    object->GetWorldBoundBox(0, node, nullptr, box);
    EXPECT_EQ(box.Min(), Point3(-20, -20, 7));
}

TEST_F(ObjectDisplay, ObjectWithoutAMeshShowsAMarkerAtItsPivot) {
    SceneNode* node = scene.GetRootNode()->AddChild("Group");
    node->SetObject(scene.Adopt(new DummyObject));
    node->SetPosition(Point3(50, 0, 0));
    Object* object = node->EvalWorldState(0).obj;
    Box3 box;
    object->GetLocalBoundBox(0, node, nullptr, box);
    EXPECT_EQ(box.Max(), Point3(4, 4, 4));
    ViewExp vpt;
    IPoint2 pivot(370, 240);
    EXPECT_EQ(object->HitTest(0, node, HITTYPE_POINT, 0, 0, &pivot, &vpt), 1);
}

TEST_F(ObjectDisplay, RedrawReplacesThePictureWithEveryNodeAndIsCounted) {
    AddSquare("One", Point3(-100, 0, 0));
    AddSquare("Two", Point3(100, 0, 0));
    const int before = ip->GetRedrawCount();
    ip->RedrawViews(0);
    ip->RedrawViews(0);
    EXPECT_EQ(ip->GetRedrawCount(), before + 2);
    EXPECT_EQ(ip->GetActiveViewport()->getGW()->GetDrawnSegments().size(), 8u);
}
