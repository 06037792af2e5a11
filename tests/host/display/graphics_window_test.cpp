#include "host/display/GraphicsWindow.h"

#include <gtest/gtest.h>

namespace {

// The default camera: world (x, y) shows at pixel (320 + x, 240 - y).
class GraphicsWindowTest : public ::testing::Test {
protected:
    // Starts a hit test of type over corners (one for a point).
    void Pick(int type, bool crossing, const IPoint2* corners) {
        const HitRegion region = MakeHitRegion(type, crossing ? 1 : 0, 4, corners);
        gw.setHitRegion(&region);
        gw.setRndLimits(GW_PICK | GW_ZBUFFER | GW_WIREFRAME);
        gw.clearHitCode();
    }
    // Whether the edge along pixel row 240 from x = 320 to 420 hits.
    bool EdgeHits(int type, bool crossing, const IPoint2* corners) {
        Pick(type, crossing, corners);
        gw.segment(Point3(0, 0, 0), Point3(100, 0, 0));
        return gw.checkHitCode();
    }

    GraphicsWindow gw;
};

}  // namespace

TEST_F(GraphicsWindowTest, PointHitsAnEdgeWithinFourPixelsOnly) {
    EXPECT_EQ(GW_PICK | GW_ZBUFFER | GW_WIREFRAME, 0x1021u);
    EXPECT_EQ(GW_WIREFRAME | GW_FLAT | GW_ZBUFFER, 0x25u);
    const IPoint2 above(370, 244);
    EXPECT_TRUE(EdgeHits(HITTYPE_POINT, false, &above));
    EXPECT_FLOAT_EQ(gw.getHitDistance(), 4.0f);
    EXPECT_TRUE(gw.GetDrawnSegments().empty()) << "pick mode draws nothing";
    const IPoint2 further(370, 245);
    EXPECT_FALSE(EdgeHits(HITTYPE_POINT, false, &further));
    const IPoint2 pastTheEnd(423, 240);
    EXPECT_TRUE(EdgeHits(HITTYPE_POINT, false, &pastTheEnd));
    const IPoint2 beyond(425, 240);
    EXPECT_FALSE(EdgeHits(HITTYPE_POINT, false, &beyond));
}

TEST_F(GraphicsWindowTest, CrossingBoxHitsWhatTouchesItAndWindowBoxWhatLiesInside) {
    const IPoint2 centre[2] = {{340, 260}, {300, 200}};  // the edge leaves it at x = 340
    EXPECT_TRUE(EdgeHits(HITTYPE_BOX, true, centre));
    EXPECT_FALSE(EdgeHits(HITTYPE_BOX, false, centre));
    const IPoint2 wide[2] = {{300, 200}, {440, 260}};
    EXPECT_TRUE(EdgeHits(HITTYPE_BOX, false, wide));
    const IPoint2 elsewhere[2] = {{0, 0}, {100, 100}};
    EXPECT_FALSE(EdgeHits(HITTYPE_BOX, true, elsewhere));
}
