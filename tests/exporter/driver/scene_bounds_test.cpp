#include "exporter/SceneBounds.h"
#include "host/scene/BoxObject.h"
#include "host/scene/LightObject.h"
#include "host/scene/Scene.h"

#include <gtest/gtest.h>

namespace {

TEST(SceneBounds, AlwaysHoldsTheOriginAndGrowsByWorldSpaceVertices) {
    Scene scene;
    SceneBounds bounds;
    EXPECT_EQ(bounds.Min(), Point3(0, 0, 0));
    EXPECT_EQ(bounds.Max(), Point3(0, 0, 0));

    // A box 400 wide (X) centred at X=100 spans -100..300; its base sits at Z=50.
    SceneNode* box = scene.GetRootNode()->AddChild("Box");
    box->SetObject(scene.Adopt(new BoxObject(20, 400, 10)));
    box->SetPosition(Point3(100, 30, 50));
    EXPECT_TRUE(bounds.Add(*box));
    EXPECT_FLOAT_EQ(bounds.Min().x, -100);
    EXPECT_FLOAT_EQ(bounds.Max().x, 300);
    EXPECT_FLOAT_EQ(bounds.Min().y, 0);  // the origin stays inside
    EXPECT_FLOAT_EQ(bounds.Max().y, 40);
    EXPECT_FLOAT_EQ(bounds.Min().z, 0);
    EXPECT_FLOAT_EQ(bounds.Max().z, 60);

    SceneNode* light = scene.GetRootNode()->AddChild("Lamp");
    light->SetObject(scene.Adopt(new StandardLight(LightType::Omni)));
    light->SetPosition(Point3(5000, 0, 0));
    EXPECT_FALSE(bounds.Add(*light));
    EXPECT_FLOAT_EQ(bounds.Max().x, 300);
}

}  // namespace
