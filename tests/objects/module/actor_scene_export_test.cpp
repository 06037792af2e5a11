// Scene files with "Actor" objects, read and exported by the real program
// with the real modules: the map holds the actors of the library's classes
// with their property lines.

#include "tests/objects/module/SceneExport.h"

#include <gtest/gtest.h>

namespace {

class ActorSceneExport : public SceneExport {
protected:
    void SetUp() override {
        plugins_.WriteDefinition("Lamp.cxa", "Lamp",
                                 {{"Lit", "BOOLEAN", "bLit", "0", ""},
                                  {"Radius", "FLOAT", "LightRadius", "5", ""},
                                  {"Effect", "ENUM", "LightEffect", "0", "LE_None,LE_TorchWaver,LE_FireWaver"},
                                  {"Tint", "COLOUR", "Tint", "0", ""},
                                  {"Hue", "BYTE", "LightHue", "0", ""}});
        plugins_.WriteDefinition("PlayerStart.cxa", "PlayerStart");
    }
};

TEST_F(ActorSceneExport, ActorsCarryTheirClassesValues) {
    const ProgramRun run = Export(R"(
        {"name": "Start", "object": {"type": "Actor", "class": "playerstart"}},
        {"name": "Torch", "transform": {"position": [10, 0, 0]},
         "object": {"type": "Actor", "definition": "LAMP.cxa", "directional": true,
                    "properties": {"bLit": true, "LightRadius": 12.5, "LightEffect": "LE_FireWaver",
                                   "Tint": [255, 128, 0], "LightHue": 40}}},
        {"name": "Second", "object": {"type": "Actor", "class": "Lamp", "properties": {"LightEffect": 1}}},
        {"name": "Nothing", "object": {"type": "Actor"}})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string map = Map();
    EXPECT_NE(ActorBlock("PlayerStart", "Start"), "") << map;
    const std::string torch = ActorBlock("Lamp", "Torch");
    EXPECT_NE(torch.find("\t\tbLit=True\r\n\t\tLightRadius=12.500000\r\n\t\tLightEffect=LE_FireWaver\r\n"
                         "\t\tLightHue=40\r\n"),
              std::string::npos)
        << torch;
    const std::string second = ActorBlock("Lamp", "Second");
    EXPECT_NE(second.find("\t\tbLit=False\r\n\t\tLightRadius=5.000000\r\n\t\tLightEffect=LE_TorchWaver\r\n"),
              std::string::npos)
        << second;
    EXPECT_EQ(map.find("Name=Nothing"), std::string::npos) << "an actor without a class is not exported";
}

TEST_F(ActorSceneExport, UnknownClassesAndValuesAreErrorsNamingThem) {
    ProgramRun run = Export(R"({"name": "A", "object": {"type": "Actor", "class": "Monster"}})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no actor class \"Monster\""), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Lamp (Lamp.cxa), PlayerStart (PlayerStart.cxa)"), std::string::npos) << run.err;

    run = Export(R"({"name": "A", "object": {"type": "Actor", "class": "Lamp", "properties": {"Speed": 1}}})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("no property \"Speed\""), std::string::npos) << run.err;

    run = Export(R"({"name": "A", "object": {"type": "Actor", "class": "Lamp", "properties": {"LightHue": 300}}})");
    EXPECT_EQ(run.exitCode, 2) << "a byte holds 0 to 255";

    run = Export(R"({"name": "A", "object": {"type": "Actor", "class": "Lamp", "properties": {"LightEffect": "Bright"}}})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("LE_None,LE_TorchWaver,LE_FireWaver"), std::string::npos) << run.err;
}

}  // namespace
