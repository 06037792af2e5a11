// The scene as a whole: its tree and walk, objects shared by instances,
// lights, modifier stacks, the plug-in types and the shipped example.

#include "host/core/ClassDirectory.h"
#include "host/scene/DerivedObject.h"
#include "host/scene/LightObject.h"
#include "host/scene/Mtl.h"
#include "host/scene/Texmap.h"
#include "host/scenekeys/SceneKeyReader.h"
#include "tests/host/scenefile/SceneFileTest.h"
#include "tests/common/BuiltModules.h"

#include <cstdlib>
#include <vector>

namespace {

using SceneFileScene = SceneFileTest;

class NameCollector : public ITreeEnumProc {
public:
    int callback(INode* node) override {
        names.emplace_back(node->GetName());
        return TREE_CONTINUE;
    }
    std::vector<std::string> names;
};

TEST_F(SceneFileScene, AnEmptyObjectIsAnEmptyScene) {
    // Editors on Windows may start the file with a byte-order mark.
    for (const char* empty : {"{}", "\xEF\xBB\xBF{}", R"({"materials": [], "objects": [], "nodes": []})"}) {
        const auto scene = Load(empty);
        ASSERT_NE(scene, nullptr);
        EXPECT_EQ(scene->GetRootNode()->NumberOfChildren(), 0);
    }
}

TEST_F(SceneFileScene, NodesFormTheTreeInFileOrder) {
    const auto scene = Load(R"({"nodes": [
        {"name": "Keep", "object": {"type": "dummy"}, "selected": true, "children": [
            {"name": "Wall", "groupMember": true, "object": {"type": "box"}},
            {"name": "Gate", "groupMember": true, "selected": true, "children": [{"name": "Bar"}]}]},
        {"name": "Wall"},
        {"name": "Path", "object": {"type": "shape"}},
        {"name": "View", "object": {"type": "camera"}}]})");
    ASSERT_NE(scene, nullptr);
    NameCollector walk;
    EXPECT_TRUE(scene->EnumTree(walk));
    EXPECT_EQ(walk.names, (std::vector<std::string>{"Keep", "Wall", "Gate", "Bar", "Wall", "Path", "View"}));
    EXPECT_EQ(scene->GetSelNodeCount(), 2);

    SceneNode* keep = FirstNode(*scene);
    EXPECT_FALSE(keep->IsGroupMember());
    EXPECT_EQ(keep->EvalWorldState(0).obj->ClassID(), DUMMY_CLASS_ID);
    EXPECT_TRUE(keep->Child(0)->IsGroupMember());
    EXPECT_FALSE(keep->Child(0)->Selected());
    EXPECT_EQ(keep->Child(1)->Child(0)->GetParentNode(), keep->Child(1));
    EXPECT_EQ(keep->Child(1)->Child(0)->EvalWorldState(0).obj, nullptr);
    SceneNode* root = scene->GetRootNode();
    EXPECT_EQ(root->Child(2)->EvalWorldState(0).obj->SuperClassID(), SHAPE_CLASS_ID);
    EXPECT_EQ(root->Child(3)->EvalWorldState(0).obj->SuperClassID(), CAMERA_CLASS_ID);
}

TEST_F(SceneFileScene, InstancesShareOneObject) {
    const auto scene = Load(R"({
        "objects": [{"name": "Pillar", "type": "box", "height": 40}, {"name": "Other", "type": "box"}],
        "nodes": [{"name": "Pillar01", "object": "Pillar"},
                  {"name": "Pillar02", "object": "Pillar", "modifiers": [{"type": "other", "name": "Bend"}]},
                  {"name": "Own", "object": {"type": "box", "height": 40}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* root = scene->GetRootNode();
    Object* first = root->Child(0)->EvalWorldState(0).obj;
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(root->Child(1)->EvalWorldState(0).obj, first);
    EXPECT_NE(root->Child(1)->GetObjectRef(), first) << "a node with modifiers holds its own stack";
    EXPECT_NE(root->Child(2)->EvalWorldState(0).obj, first);
}

TEST_F(SceneFileScene, ModifierStacksKeepTheirOrder) {
    const auto scene = Load(R"({"nodes": [{"name": "A", "object": {"type": "box"},
        "modifiers": [{"type": "other", "name": "Taper"}, {"type": "other", "name": "Bend"}]}]})");
    ASSERT_NE(scene, nullptr);
    const auto* stack = static_cast<IDerivedObject*>(FirstNode(*scene)->GetObjectRef());
    ASSERT_EQ(stack->SuperClassID(), GEN_DERIVOB_CLASS_ID);
    ASSERT_EQ(stack->NumModifiers(), 2);
    // Index 0 is the top of the stack.
    EXPECT_EQ(stack->GetModifier(0)->GetClassName(), "Taper");
    EXPECT_EQ(stack->GetModifier(1)->GetClassName(), "Bend");
    EXPECT_EQ(stack->GetObjRef()->ClassID(), BOXOBJ_CLASS_ID);
}

TEST_F(SceneFileScene, LightsTakeTheirKeysOrTheHostDefaults) {
    const auto scene = Load(R"({"nodes": [
        {"name": "Torch", "object": {"type": "omni", "on": false, "color": [1, 0.5, 0], "multiplier": 2.5,
            "castShadows": true, "useAttenuation": true, "farAttenuationStart": 10, "farAttenuationEnd": 300}},
        {"name": "Sun", "object": {"type": "directional", "hotspot": 30, "falloff": 35}},
        {"name": "Spot", "object": {"type": "targetSpot"}},
        {"name": "Free", "object": {"type": "freeSpot"}}]})");
    ASSERT_NE(scene, nullptr);
    SceneNode* root = scene->GetRootNode();
    const auto light = [root](int i) { return static_cast<LightObject*>(root->Child(i)->EvalWorldState(0).obj); };
    const LightObject* torch = light(0);
    EXPECT_EQ(torch->ClassID(), OMNI_LIGHT_CLASS_ID);
    EXPECT_FALSE(torch->GetUseLight());
    EXPECT_EQ(torch->GetRGBColor(), Point3(1, 0.5f, 0));
    EXPECT_EQ(torch->GetIntensity(), 2.5f);
    EXPECT_TRUE(torch->GetShadow());
    EXPECT_TRUE(torch->GetUseAtten());
    EXPECT_EQ(torch->GetAtten(ATTEN_FAR_START), 10.0f);
    EXPECT_EQ(torch->GetAtten(ATTEN_FAR_END), 300.0f);

    const LightObject* sun = light(1);
    EXPECT_EQ(sun->ClassID(), DIR_LIGHT_CLASS_ID);
    EXPECT_EQ(sun->GetHotspot(), 30.0f);
    EXPECT_EQ(sun->GetFallsize(), 35.0f);
    EXPECT_TRUE(sun->GetUseLight());
    EXPECT_EQ(sun->GetRGBColor(), Point3(1, 1, 1));
    EXPECT_EQ(sun->GetIntensity(), 1.0f);
    EXPECT_FALSE(sun->GetShadow());
    EXPECT_FALSE(sun->GetUseAtten());
    EXPECT_EQ(sun->GetAtten(ATTEN_FAR_START), 80.0f);
    EXPECT_EQ(sun->GetAtten(ATTEN_FAR_END), 200.0f);
    EXPECT_EQ(light(2)->ClassID(), SPOT_LIGHT_CLASS_ID);
    EXPECT_EQ(light(2)->GetHotspot(), 43.0f);
    EXPECT_EQ(light(2)->GetFallsize(), 45.0f);
    EXPECT_EQ(light(3)->ClassID(), FSPOT_LIGHT_CLASS_ID);
}

// Reads nothing; enough for the reader to pick its class.
class NoKeys : public scenefile::SceneKeyReader {
public:
    const char* SceneType() const override { return "Unreal Brush"; }
    void ReadKeys(Animatable&, const scenefile::JsonCursor&, scenefile::SceneKeyContext&) const override {}
};

// Stands in for a loaded plug-in module's class for as long as it lives.
class RegisteredClass : public ClassDesc2 {
public:
    RegisteredClass(SClass_ID superClass, Class_ID id, const scenefile::SceneKeyReader* keys)
        : superClass_(superClass), id_(id), keys_(keys) {
        EXPECT_TRUE(ClassDirectory::Host().Add(this, "corvatrix.dlm"));
    }
    ~RegisteredClass() override { ClassDirectory::Host().Remove(this); }
    RegisteredClass(const RegisteredClass&) = delete;
    RegisteredClass& operator=(const RegisteredClass&) = delete;

    bool IsPublic() const override { return true; }
    Animatable* Create(bool) override { return nullptr; }
    const char* ClassName() const override { return "Unreal Brush"; }
    const char* Category() const override { return "tests"; }
    SClass_ID SuperClassID() const override { return superClass_; }
    Class_ID ClassID() const override { return id_; }
    const char* InternalName() const override { return "cxBrushMod"; }
    HINSTANCE HInstance() const override { return nullptr; }
    const scenefile::SceneKeyReader* SceneKeys() const override { return keys_; }

private:
    SClass_ID superClass_;
    Class_ID id_;
    const scenefile::SceneKeyReader* keys_;
};

TEST_F(SceneFileScene, PluginTypesNeedTheirModule) {
    EXPECT_EQ(
        Fault(R"({"nodes": [{"name": "A"}, {"name": "B"}, {"name": "Wall", "object": {"type": "box"},
                      "modifiers": [{"type": "Unreal Brush", "csgOpration": "Add"}]}]})"),
        R"(: nodes[2].modifiers[0]: type "Unreal Brush" needs the modifier plug-in corvatrix.dlm, which is not loaded)");
    EXPECT_EQ(
        Fault(R"({"nodes": [{"name": "A", "modifiers": [{"type": "Unreal Properties"}]}]})"),
        R"(: nodes[0].modifiers[0]: type "Unreal Properties" needs the modifier plug-in corvatrix.dlm, which is not loaded)");
    EXPECT_EQ(
        Fault(R"({"nodes": [{"name": "A", "modifiers": [{"type": "Unreal Mover"}]}]})"),
        R"(: nodes[0].modifiers[0]: type "Unreal Mover" needs the modifier plug-in corvatrix.dlm, which is not loaded)");
    EXPECT_EQ(Fault(R"({"nodes": [{"name": "A", "object": {"type": "Actor", "class": "Light"}}]})"),
              R"(: nodes[0].object: type "Actor" needs the object plug-in corvatrix.dlo, which is not loaded)");
    EXPECT_EQ(Fault(R"({"objects": [{"name": "T", "type": "Trigger"}]})"),
              R"(: objects[0]: type "Trigger" needs the object plug-in corvatrix.dlo, which is not loaded)");

    // A loaded module whose class reads no scene keys, and a class that
    // makes no instance, are reported at the modifier.
    const std::string brush = R"({"nodes": [{"name": "A", "modifiers": [{"type": "Unreal Brush"}]}]})";
    {
        const RegisteredClass keyless(OSM_CLASS_ID, Class_ID(0x07F407A5, 0x6FD552AE), nullptr);
        EXPECT_EQ(Fault(brush), R"(: nodes[0].modifiers[0]: type "Unreal Brush": the loaded modifier plug-in )"
                                R"(corvatrix.dlm does not read it from scene files)");
    }
    const NoKeys keys;
    const RegisteredClass barren(OSM_CLASS_ID, Class_ID(0x07F407A5, 0x6FD552AE), &keys);
    EXPECT_EQ(Fault(brush), R"(: nodes[0].modifiers[0]: type "Unreal Brush": its plug-in could not make one)");
}

// Every bitmap of the materials below node and its children.
void CollectBitmaps(INode* node, std::vector<const BitmapTex*>& bitmaps) {
    std::vector<const Mtl*> pending;
    if (node->GetMtl() != nullptr) pending.push_back(node->GetMtl());
    while (!pending.empty()) {
        const Mtl* mtl = pending.back();
        pending.pop_back();
        for (int i = 0; i < mtl->NumSubMtls(); ++i) {
            if (mtl->GetSubMtl(i) != nullptr) pending.push_back(mtl->GetSubMtl(i));
        }
        for (int slot = 0; slot < NUM_STD_MAP_SLOTS; ++slot) {
            const Texmap* map = mtl->GetSubTexmap(slot);
            if (map != nullptr && map->ClassID() == BITMAP_TEX_CLASS_ID) {
                bitmaps.push_back(static_cast<const BitmapTex*>(map));
            }
        }
    }
    for (int i = 0; i < node->NumberOfChildren(); ++i) CollectBitmaps(node->GetChildNode(i), bitmaps);
}

TEST(SceneFileExample, TheShippedExampleLoadsWithItsTextures) {
    // Its nodes carry modifiers, actors and triggers of the plug-ins.
    const BuiltModules plugins({"corvatrix.dlm", "corvatrix.dlo"});
    std::string error;
    const auto scene = ReadSceneFile(std::string(CORVATRIX_SOURCE_DIR) + "/examples/castle.json", error);
    ASSERT_NE(scene, nullptr) << error;
    EXPECT_GT(scene->GetRootNode()->NumberOfChildren(), 0);

    std::vector<const BitmapTex*> bitmaps;
    CollectBitmaps(scene->GetRootNode(), bitmaps);
    EXPECT_FALSE(bitmaps.empty());
    for (const BitmapTex* bitmap : bitmaps) EXPECT_TRUE(bitmap->IsLoaded()) << bitmap->GetMapName();
}

}  // namespace
