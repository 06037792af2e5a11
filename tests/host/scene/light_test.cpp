#include "host/scene/ColorConversion.h"
#include "host/scene/LightObject.h"
#include "tests/host/math/MathExpect.h"

#include <gtest/gtest.h>

TEST(LightColour, HueSaturationValueOfKnownColours) {
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(1, 0, 0)), Point3(0, 1, 1)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(1, 1, 1)), Point3(0, 0, 1)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(0, 0, 0)), Point3(0, 0, 0)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(0.5f, 0.5f, 0.5f)), Point3(0, 0, 0.5f)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(0, 1, 0)), Point3(1.0f / 3.0f, 1, 1)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(0, 0, 1)), Point3(2.0f / 3.0f, 1, 1)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(1, 0, 1)), Point3(5.0f / 6.0f, 1, 1)));
    EXPECT_TRUE(PointNear(RGBtoHSV(Point3(1, 0.5f, 0.5f)), Point3(0, 0.5f, 1)));

    EXPECT_TRUE(PointNear(HSVtoRGB(Point3(0, 1, 1)), Point3(1, 0, 0)));
    EXPECT_TRUE(PointNear(HSVtoRGB(Point3(1, 1, 1)), Point3(1, 0, 0)));
    EXPECT_TRUE(PointNear(HSVtoRGB(Point3(0.5f, 0.5f, 1)), Point3(0.5f, 1, 1)));
    EXPECT_TRUE(PointNear(HSVtoRGB(Point3(0.25f, 1, 0.5f)), Point3(0.25f, 0.5f, 0)));
    EXPECT_TRUE(PointNear(HSVtoRGB(Point3(0.7f, 0, 0.3f)), Point3(0.3f, 0.3f, 0.3f)));
}

TEST(LightColour, RoundTripsThroughHueSaturationValue) {
    const Point3 colours[] = {{0.2f, 0.4f, 0.6f}, {0.9f, 0.1f, 0.3f}, {0.3f, 0.8f, 0.2f},
                              {0.05f, 0.05f, 0.9f}, {0.7f, 0.6f, 0.1f}, {0.6f, 0.2f, 0.9f}};
    for (const Point3& rgb : colours) {
        EXPECT_TRUE(PointNear(HSVtoRGB(RGBtoHSV(rgb)), rgb));
    }
}

TEST(StandardLights, SettingsReadAndWriteBack) {
    StandardLight light(LightType::TargetSpot);
    EXPECT_EQ(light.SuperClassID(), LIGHT_CLASS_ID);
    EXPECT_TRUE(light.GetUseLight());
    EXPECT_EQ(light.GetRGBColor(), Point3(1, 1, 1));
    EXPECT_EQ(light.GetIntensity(), 1.0f);
    EXPECT_FALSE(light.GetShadow());
    EXPECT_EQ(light.GetHotspot(), 43.0f);
    EXPECT_EQ(light.GetFallsize(), 45.0f);
    EXPECT_FALSE(light.GetUseAtten());
    EXPECT_EQ(light.GetAtten(ATTEN_FAR_START), 80.0f);
    EXPECT_EQ(light.GetAtten(ATTEN_FAR_END), 200.0f);

    light.SetRGBColor(Point3(1, 0, 0));
    EXPECT_TRUE(PointNear(light.GetHSVColor(), Point3(0, 1, 1)));
    light.SetHSVColor(Point3(2.0f / 3.0f, 0.5f, 0.8f));
    EXPECT_TRUE(PointNear(light.GetRGBColor(), Point3(0.4f, 0.4f, 0.8f)));

    light.SetAtten(ATTEN_FAR_START, 100.0f);
    light.SetAtten(ATTEN_FAR_END, 453.0f);
    light.SetAtten(7, 1.0f);
    EXPECT_EQ(light.GetAtten(2), 100.0f);
    EXPECT_EQ(light.GetAtten(3), 453.0f);
    EXPECT_EQ(light.GetAtten(7), 0.0f);
    EXPECT_EQ(light.GetAtten(-1), 0.0f);
    light.SetUseAtten(true);
    light.SetHotspot(18.5f);
    light.SetUseLight(false);
    EXPECT_TRUE(light.GetUseAtten());
    EXPECT_EQ(light.GetHotspot(), 18.5f);
    EXPECT_FALSE(light.GetUseLight());
}

TEST(StandardLights, ClassIdsTellTheTypesApart) {
    EXPECT_EQ(StandardLight(LightType::Omni).ClassID(), Class_ID(0x1011, 0));
    EXPECT_EQ(StandardLight(LightType::TargetSpot).ClassID(), Class_ID(0x1012, 0));
    EXPECT_EQ(StandardLight(LightType::FreeSpot).ClassID(), Class_ID(0x1014, 0));
    const Class_ID directional = StandardLight(LightType::Directional).ClassID();
    for (const Class_ID& other : {Class_ID(0x1011, 0), Class_ID(0x1012, 0), Class_ID(0x1014, 0)}) {
        EXPECT_NE(directional, other);
    }
}
