#include "ContractDoubles.h"
#include "ContractFixture.h"

#include "exporter/LightExport.h"
#include "host/scene/LightObject.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << part << "\" in\n" << text;
}

class LightExportTest : public ContractRecordTest {
protected:
    struct PlacedLight {
        SceneNode* node;
        StandardLight* light;
    };

    PlacedLight AddLight(const std::string& nodeName, LightType type, const Point3& rgb = {1.0f, 1.0f, 1.0f}) {
        auto* light = new StandardLight(type);
        light->SetRGBColor(rgb);
        return {AddObjectNode(nodeName, light), light};
    }
    int WriteLight(const PlacedLight& placed, Modifier* modifier = nullptr) {
        return WriteRecord<LightExport>(placed.node, modifier);
    }
    // The LightCone values of text in order, each after the spot's other
    // two lines.
    static std::vector<int> LightCones(const std::string& text) {
        const std::string key = "\t\tLightEffect=LE_SpotLight\r\n\t\tbDirectional=True\r\n\t\tLightCone=";
        std::vector<int> cones;
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
            cones.push_back(std::stoi(text.substr(at + key.size())));
        }
        return cones;
    }
};

TEST_F(LightExportTest, BlocksCarryTheirLinesInOrder) {
    const PlacedLight spot = AddLight("Lamp 1", LightType::TargetSpot, {0.0f, 1.0f, 0.0f});
    spot.light->SetShadow(true);
    spot.light->SetFallsize(45.0f);
    spot.node->SetPosition({10.0f, 20.0f, 30.0f});
    TestPropertyModifier properties;
    EXPECT_EQ(WriteLight(spot, &properties), 0);
    EXPECT_EQ(writer.Depth(), 1);

    // An omni without shadows: no shadow line, nothing of a spot.
    const PlacedLight omni = AddLight("Bulb", LightType::Omni);
    EXPECT_EQ(WriteLight(omni), 0);
    EXPECT_EQ(writer.Depth(), 1);

    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=Light Name=Lamp_1\r\n"
              "\t\tbHidden=True\r\n"
              "\t\tLightHue=85\r\n"
              "\t\tLightSaturation=0\r\n"
              "\t\tLightBrightness=64.000000\r\n"
              "\t\tbActorShadows=True\r\n"
              "\t\tLightEffect=LE_SpotLight\r\n"
              "\t\tbDirectional=True\r\n"
              "\t\tLightCone=22\r\n"
              "\t\tLocation=(X=-10.000000,Y=20.000000,Z=30.000000)\r\n"
              // The host spot shines along its local -Z: straight down.
              "\t\tRotation=(Pitch=-16384,Yaw=0,Roll=0)\r\n"
              "\t\tTag=\"Lamp_1\"\r\n"
              "\t\tName=\"Lamp_1\"\r\n"
              "\tEnd Actor\r\n"
              "\tBegin Actor Class=Light Name=Bulb\r\n"
              "\t\tLightHue=0\r\n"
              "\t\tLightSaturation=255\r\n"
              "\t\tLightBrightness=64.000000\r\n"
              "\t\tLocation=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tTag=\"Bulb\"\r\n"
              "\t\tName=\"Bulb\"\r\n"
              "\tEnd Actor\r\n");
}

TEST_F(LightExportTest, ColourAndMultiplierBecomeHueSaturationAndBrightness) {
    WriteLight(AddLight("Red", LightType::Omni, {1.0f, 0.0f, 0.0f}));
    WriteLight(AddLight("Pale", LightType::Omni, {1.0f, 0.5f, 0.5f}));
    const PlacedLight blue = AddLight("Blue", LightType::Omni, {0.0f, 0.0f, 1.0f});
    blue.light->SetIntensity(4.0f);
    WriteLight(blue);
    const PlacedLight dim = AddLight("Dim", LightType::Omni);
    dim.light->SetIntensity(0.1f);
    WriteLight(dim);

    const std::string text = ActorText();
    EXPECT_TRUE(Contains(text, "Name=Red\r\n\t\tLightHue=0\r\n\t\tLightSaturation=0\r\n"
                                "\t\tLightBrightness=64.000000\r\n"));
    // Half saturated: 127.5, truncated.
    EXPECT_TRUE(Contains(text, "Name=Pale\r\n\t\tLightHue=0\r\n\t\tLightSaturation=127\r\n"));
    // The brightness has no upper bound.
    EXPECT_TRUE(Contains(text, "Name=Blue\r\n\t\tLightHue=170\r\n\t\tLightSaturation=0\r\n"
                                "\t\tLightBrightness=256.000000\r\n"));
    EXPECT_TRUE(Contains(text, "Name=Dim\r\n\t\tLightHue=0\r\n\t\tLightSaturation=255\r\n"
                                "\t\tLightBrightness=6.400000\r\n"));
}

TEST_F(LightExportTest, SpotConeGrowsWithTheSquaredFallOffUpToAByte) {
    for (const float falloff : {10.0f, 45.0f, 150.0f, 160.0f}) {
        const PlacedLight spot = AddLight("Spot", LightType::TargetSpot);
        spot.light->SetFallsize(falloff);
        EXPECT_EQ(WriteLight(spot), 0);
    }
    // 100 / 89 and 2025 / 89 (22.75) truncated; 22500 / 89 is 252.8, and
    // 25600 / 89 (287.6) stops at 255.
    EXPECT_EQ(LightCones(ActorText()), (std::vector<int>{1, 22, 252, 255}));
}

TEST_F(LightExportTest, SkippedLightsWriteNothingAndStayUnchanged) {
    options->AdjustLight = 1;
    const PlacedLight freeSpot = AddLight("Free", LightType::FreeSpot);
    const PlacedLight directional = AddLight("Sun", LightType::Directional);
    const PlacedLight off = AddLight("Off", LightType::Omni);
    off.light->SetUseLight(false);
    const PlacedLight offFreeSpot = AddLight("OffFree", LightType::FreeSpot);
    offFreeSpot.light->SetUseLight(false);

    EXPECT_EQ(WriteLight(freeSpot), -1);
    EXPECT_EQ(WriteLight(directional), -1);
    // Switched off is told before the kind.
    EXPECT_EQ(WriteLight(off), 1);
    EXPECT_EQ(WriteLight(offFreeSpot), 1);
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(ActorText(), "");
    for (const PlacedLight& skipped : {freeSpot, directional, off, offFreeSpot}) {
        EXPECT_FALSE(skipped.light->GetUseAtten());
        EXPECT_EQ(skipped.light->GetHotspot(), 43.0f);
        EXPECT_EQ(skipped.light->GetAtten(ATTEN_FAR_END), 200.0f);
    }
}

TEST_F(LightExportTest, AdjustLightBringsTheHostLightToTheEngines) {
    options->AdjustLight = 1;
    const PlacedLight attenuated = AddLight("Attenuated", LightType::TargetSpot);
    attenuated.light->SetUseAtten(true);
    attenuated.light->SetAtten(ATTEN_FAR_START, 100.0f);
    attenuated.light->SetFallsize(45.0f);
    const PlacedLight unattenuated = AddLight("Unattenuated", LightType::Omni);
    unattenuated.light->SetFallsize(60.0f);
    EXPECT_EQ(WriteLight(attenuated), 0);
    EXPECT_EQ(WriteLight(unattenuated), 0);

    EXPECT_TRUE(attenuated.light->GetUseAtten());
    EXPECT_EQ(attenuated.light->GetAtten(ATTEN_FAR_START), 100.0f);
    EXPECT_FLOAT_EQ(attenuated.light->GetAtten(ATTEN_FAR_END), 453.0f);
    EXPECT_FLOAT_EQ(attenuated.light->GetHotspot(), 18.518518f);
    EXPECT_FLOAT_EQ(attenuated.light->GetFallsize(), 45.0f);

    EXPECT_TRUE(unattenuated.light->GetUseAtten());
    EXPECT_EQ(unattenuated.light->GetAtten(ATTEN_FAR_START), 512.0f);
    EXPECT_FLOAT_EQ(unattenuated.light->GetAtten(ATTEN_FAR_END), 1289.36f);
    EXPECT_FLOAT_EQ(unattenuated.light->GetHotspot(), 24.691358f);

    // A second adjustment keeps every value exactly.
    for (const PlacedLight& adjusted : {attenuated, unattenuated}) {
        const float farStart = adjusted.light->GetAtten(ATTEN_FAR_START);
        const float farEnd = adjusted.light->GetAtten(ATTEN_FAR_END);
        const float hotspot = adjusted.light->GetHotspot();
        AdjustHostLight(*adjusted.light);
        EXPECT_TRUE(adjusted.light->GetUseAtten());
        EXPECT_EQ(adjusted.light->GetAtten(ATTEN_FAR_START), farStart);
        EXPECT_EQ(adjusted.light->GetAtten(ATTEN_FAR_END), farEnd);
        EXPECT_EQ(adjusted.light->GetHotspot(), hotspot);
    }

    // Without the option the host light is left alone.
    options->AdjustLight = 0;
    const PlacedLight untouched = AddLight("Untouched", LightType::Omni);
    EXPECT_EQ(WriteLight(untouched), 0);
    EXPECT_FALSE(untouched.light->GetUseAtten());
    EXPECT_EQ(untouched.light->GetAtten(ATTEN_FAR_END), 200.0f);
    EXPECT_EQ(untouched.light->GetHotspot(), 43.0f);
}

}  // namespace
