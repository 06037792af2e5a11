// The keys of the modifier plug-in's types, read with the real module
// loaded: the scene holds the module's own modifiers with the values set,
// and every value the modifier's controls would not take is an error.

#include "common/PluginClasses.h"
#include "host/params/IParamArray.h"
#include "host/scene/DerivedObject.h"
#include "tests/host/scenefile/SceneFileTest.h"
#include "tests/modifiers/ModifierLines.h"
#include "tests/modifiers/ModifierModule.h"

#include <memory>

namespace {

class SceneFileModifiers : public SceneFileTest {
protected:
    static void SetUpTestSuite() { module_ = new ModifierModule(); }
    static void TearDownTestSuite() {
        delete module_;
        module_ = nullptr;
    }

    // The modifiers of a scene's first node, top first.
    static std::vector<Modifier*> Modifiers(Scene& scene) {
        std::vector<Modifier*> modifiers;
        auto* stack = static_cast<IDerivedObject*>(FirstNode(scene)->GetObjectRef());
        for (int i = 0; stack && i < stack->NumModifiers(); ++i) modifiers.push_back(stack->GetModifier(i));
        return modifiers;
    }

    // A scene of one box node with these modifiers.
    std::unique_ptr<Scene> LoadModifiers(const std::string& modifiers) {
        return Load(R"({"nodes": [{"name": "A", "object": {"type": "box"}, "modifiers": [)" + modifiers + "]}]}");
    }

    // The error of one box node with this modifier, from its path on.
    std::string ModifierFault(const std::string& modifier) {
        return Fault(R"({"nodes": [{"name": "A", "object": {"type": "box"}, "modifiers": [)" + modifier + "]}]}");
    }

    static std::string CommonText(Modifier* modifier) {
        return WrittenText([&](T3dWriter& writer) { static_cast<CXMod*>(modifier)->CXModT3DExport(&writer); });
    }

    static int IntValue(Modifier* modifier, int index) {
        int value = -1;
        auto* values = dynamic_cast<IParamArray*>(modifier);
        EXPECT_TRUE(values && values->GetValue(index, 0, value));
        return value;
    }

private:
    static ModifierModule* module_;
};

ModifierModule* SceneFileModifiers::module_ = nullptr;

TEST_F(SceneFileModifiers, PropertiesAreSetByTheirMapNames) {
    std::unique_ptr<Scene> scene = LoadModifiers(R"(
        {"type": "Unreal Properties",
         "properties": {"bBlockActors": false, "bUnlit": true, "SurfaceType": "EST_Water", "Style": 4,
                        "AmbientGlow": 12, "MaxLights": 255, "CullDistance": -10000, "LifeSpan": 3,
                        "CollisionRadius": 0.5}},
        {"type": "Unreal Properties"})");
    const std::vector<Modifier*> modifiers = Modifiers(*scene);
    ASSERT_EQ(modifiers.size(), 2u);
    EXPECT_EQ(modifiers[0]->ClassID(), CXMOD_CLASS_ID);
    EXPECT_EQ(modifiers[0]->GetClassName(), "Unreal Properties");
    std::vector<std::string> lines = WithLine(DefaultCommonLines(), "bBlockActors", "False");
    lines = WithLine(lines, "bUnlit", "True");
    lines = WithLine(lines, "SurfaceType", "EST_Water");
    lines = WithLine(lines, "Style", "STY_Alpha");
    lines = WithLine(lines, "AmbientGlow", "12");
    lines = WithLine(lines, "MaxLights", "255");
    lines = WithLine(lines, "CullDistance", "-10000.000000");
    lines = WithLine(lines, "LifeSpan", "3.000000");
    lines = WithLine(lines, "CollisionRadius", "0.500000");
    EXPECT_EQ(CommonText(modifiers[0]), MapLines(lines));
    EXPECT_EQ(CommonText(modifiers[1]), MapLines(DefaultCommonLines()));
}

TEST_F(SceneFileModifiers, BrushKeysTakeNamesOrNumbers) {
    std::unique_ptr<Scene> scene = LoadModifiers(R"(
        {"type": "Unreal Brush", "brushType": "Not Solid", "csgOperation": "Deintersect",
         "polyFlags": ["Portal", "Mirrored", "Portal"], "properties": {"bHidden": true}},
        {"type": "Unreal Brush", "brushType": 1, "csgOperation": 2, "polyFlags": 257},
        {"type": "Unreal Brush"})");
    const std::vector<Modifier*> modifiers = Modifiers(*scene);
    ASSERT_EQ(modifiers.size(), 3u);
    const auto* named = static_cast<BrushModifier*>(modifiers[0]);
    EXPECT_EQ(named->ClassID(), BRUSH_MODIFIER_CLASS_ID);
    EXPECT_EQ(named->BrushType(), 2);
    EXPECT_EQ(named->CsgOperation(), 3);
    EXPECT_EQ(named->PolyFlags(), 0x0C000000u);
    EXPECT_EQ(CommonText(modifiers[0]), MapLines(WithLine(DefaultCommonLines(), "bHidden", "True")));
    const auto* numbered = static_cast<BrushModifier*>(modifiers[1]);
    EXPECT_EQ(numbered->BrushType(), 1);
    EXPECT_EQ(numbered->CsgOperation(), 2);
    EXPECT_EQ(numbered->PolyFlags(), 0x00000101u);
    const auto* plain = static_cast<BrushModifier*>(modifiers[2]);
    EXPECT_EQ(plain->BrushType(), 0);
    EXPECT_EQ(plain->PolyFlags(), 0u);
}

TEST_F(SceneFileModifiers, MoverKeysIncludeItsOwnPropertiesAndUnnamedValues) {
    std::unique_ptr<Scene> scene = LoadModifiers(R"(
        {"type": "Unreal Mover",
         "properties": {"bToggleDirection": false, "bSlave": true, "StayOpenTime": 100, "DelayTime": 0.25,
                        "MoverEncroachType": "ME_CrushWhenEncroached", "MoverGlideType": 0,
                        "PlayerBumpEvent": "BT_AnyBump", "InitialState": "TriggerToggle", "bHidden": true},
         "worldRTKey": 255, "brushRTKey": 3, "isLeader": true})");
    const std::vector<Modifier*> modifiers = Modifiers(*scene);
    ASSERT_EQ(modifiers.size(), 1u);
    auto* mover = static_cast<MoverModifier*>(modifiers[0]);
    EXPECT_EQ(mover->ClassID(), MOVER_MODIFIER_CLASS_ID);
    std::vector<std::string> lines = WithLine(DefaultMoverLines(), "bToggleDirection", "False");
    lines = WithLine(lines, "bSlave", "True");
    lines = WithLine(lines, "StayOpenTime", "100.000000");
    lines = WithLine(lines, "DelayTime", "0.250000");
    lines = WithLine(lines, "MoverEncroachType", "ME_CrushWhenEncroached");
    lines = WithLine(lines, "MoverGlideType", "MV_MoveByTime");
    lines = WithLine(lines, "PlayerBumpEvent", "BT_AnyBump");
    lines = WithLine(lines, "InitialState", "\"TriggerToggle\"");
    EXPECT_EQ(WrittenText([&](T3dWriter& writer) { mover->MoverModT3DExport(&writer); }), MapLines(lines));
    EXPECT_EQ(CommonText(mover), MapLines(WithLine(DefaultCommonLines(), "bHidden", "True")));
    EXPECT_EQ(IntValue(mover, 2147), 255);
    EXPECT_EQ(IntValue(mover, 2149), 3);
    EXPECT_EQ(IntValue(mover, 1112), 1);
}

TEST_F(SceneFileModifiers, UnknownNamesAreErrorsThatNameOnlyThemselves) {
    const std::string at = ": nodes[0].modifiers[0]";
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"bBlockActor": false}})"),
              at + R"(.properties: unknown property "bBlockActor")");
    // The mover's own properties belong to the mover alone.
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "properties": {"StayOpenTime": 1}})"),
              at + R"(.properties: unknown property "StayOpenTime")");
    // Values without a map name are keys of the mover, not properties.
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Mover", "properties": {"worldRTKey": 1}})"),
              at + R"(.properties: unknown property "worldRTKey")");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "csgOpration": 1})"), at + R"(: unknown key "csgOpration")");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "isLeader": true})"), at + R"(: unknown key "isLeader")");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "polyFlags": ["Portal", "Portl"]})"),
              at + R"(.polyFlags[1]: "Portl" is no polygon flag check box)");
}

TEST_F(SceneFileModifiers, ValuesBeyondTheControlsAreErrorsNamingTheRange) {
    const std::string at = ": nodes[0].modifiers[0]";
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"MaxLights": 256}})"),
              at + ".properties.MaxLights: 256 is out of range 0..255");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"AmbientGlow": -1}})"),
              at + ".properties.AmbientGlow: -1 is out of range 0..255");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"LifeSpan": 10000.5}})"),
              at + ".properties.LifeSpan: 10000.5 is out of range -10000..10000");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Mover", "properties": {"StayOpenTime": 100.5}})"),
              at + ".properties.StayOpenTime: 100.5 is out of range 0..100");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Mover", "brushRTKey": 256})"),
              at + ".brushRTKey: 256 is out of range 0..255");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "brushType": 3})"), at + ".brushType: 3 is out of range 0..2");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Mover", "properties": {"InitialState": 12}})"),
              at + ".properties.InitialState: 12 is out of range 0..11");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "csgOperation": "Deinter."})"),
              at + R"(.csgOperation: "Deinter." is none of Add, Subtract, Intersect, Deintersect (or an index 0..3))");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"Style": "Masked"}})"),
              at + R"(.properties.Style: "Masked" is none of STY_Normal, STY_Masked, STY_Translucent, STY_Modulated, )"
                   R"(STY_Alpha, STY_Additive, STY_Subtractive, STY_Particle, STY_AlphaZ (or an index 0..8))");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "polyFlags": 40})"),
              at + ".polyFlags: bits 0x00000028 are no polygon flags (the check boxes set bits of 0x0CFFFFD7)");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Brush", "polyFlags": 4294967296})"),
              at + ".polyFlags: 4294967296 is out of range 0..4294967295");
    // Values of the wrong kind.
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"bHidden": 1}})"),
              at + ".properties.bHidden: expected true or false, got 1");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Properties", "properties": {"MaxLights": 2.5}})"),
              at + ".properties.MaxLights: expected an integer, got 2.5");
    EXPECT_EQ(ModifierFault(R"({"type": "Unreal Mover", "isLeader": "yes"})"),
              at + R"(.isLeader: expected true or false, got "yes")");
}

// As the host's modifier list offers them: brushes and movers on objects that
// are triangle meshes, the common properties on anything.
TEST_F(SceneFileModifiers, BrushesAndMoversGoOnMeshesOnly) {
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "Lamp", "object": {"type": "omni"},
                                   "modifiers": [{"type": "Unreal Properties"}, {"type": "Unreal Brush"}]}]})"),
              R"(: nodes[0].modifiers[1]: the modifier "Unreal Brush" does not work on the Omni of node "Lamp")");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "Marker", "object": {"type": "dummy"},
                                   "modifiers": [{"type": "Unreal Mover"}]}]})"),
              R"(: nodes[0].modifiers[0]: the modifier "Unreal Mover" does not work on the Dummy of node "Marker")");
    EXPECT_NE(Load(R"({"nodes": [{"name": "Wall", "object": {"type": "box"}, "modifiers": [{"type": "Unreal Brush"}]},
                                 {"name": "Lamp", "object": {"type": "omni"},
                                  "modifiers": [{"type": "Unreal Properties"}]}]})"),
              nullptr);
}

}  // namespace
