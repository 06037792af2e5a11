#include "host/display/GraphicsWindow.h"
#include "host/scene/Mesh.h"
#include "tests/host/scene/ViewportScene.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

TEST(MeshRender, DrawsVisibleEdgesInTheirFacesMaterialWhenShaded) {
    GraphicsWindow gw;
    gw.setRndLimits(GW_FLAT | GW_ZBUFFER);
    Mesh square = SquareMesh();
    square.getFace(1).setMatID(1);
    Material materials[2];
    materials[0].Kd = Point3(1, 0, 0);
    materials[1].Kd = Point3(0, 0, 1);
    square.render(&gw, materials, nullptr, COMP_ALL, 2);

    const std::vector<DrawnSegment>& drawn = gw.GetDrawnSegments();
    ASSERT_EQ(drawn.size(), 4u) << "the diagonal is hidden";
    // Face 0's edge A: (-20,-20) -> (20,-20), 20 pixels below the window centre.
    EXPECT_EQ(drawn[0].from, Point3(300, 260, 0));
    EXPECT_EQ(drawn[0].to, Point3(340, 260, 0));
    EXPECT_EQ(drawn[0].color, Point3(1, 0, 0));
    EXPECT_EQ(drawn[3].color, Point3(0, 0, 1));
}

TEST(MeshRender, PickModeHitsVisibleEdgesNotHiddenOnes) {
    GraphicsWindow gw;
    gw.setRndLimits(GW_PICK | GW_ZBUFFER | GW_WIREFRAME);
    const Mesh square = SquareMesh();
    for (const auto& [x, y, hits] : {std::tuple{330, 258, true}, std::tuple{320, 240, false}}) {
        const IPoint2 p(x, y);  // 2 pixels above the bottom edge; on the hidden diagonal
        const HitRegion region = MakeHitRegion(HITTYPE_POINT, 0, 4, &p);
        gw.setHitRegion(&region);
        gw.clearHitCode();
        square.render(&gw, nullptr, nullptr, COMP_ALL);
        EXPECT_EQ(gw.checkHitCode(), hits) << x << "," << y;
    }
    EXPECT_TRUE(gw.GetDrawnSegments().empty());
}

TEST(MeshBoundingBox, CoversEveryVertexInTheGivenSpace) {
    const Mesh square = SquareMesh();
    EXPECT_EQ(square.getBoundingBox().Max(), Point3(20, 20, 0));
    const Matrix3 tm = ScaleMatrix(Point3(0.5f, 0.5f, 0.5f)) * TransMatrix(Point3(0, 0, 7));
    const Box3 moved = square.getBoundingBox(&tm);
    EXPECT_EQ(moved.Min(), Point3(-10, -10, 7));
    EXPECT_EQ(moved.Max(), Point3(10, 10, 7));
    EXPECT_TRUE(Mesh().getBoundingBox().IsEmpty());
}
