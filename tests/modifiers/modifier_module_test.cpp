// The real corvatrix.dlm as the host loads it: its entry points, its three
// descriptors and working instances of its classes, reached only through
// the shared contract as the exporter reaches them.

#include "common/PluginClasses.h"
#include "host/core/ClassDirectory.h"
#include "host/params/IParamArray.h"
#include "host/scene/Interface.h"
#include "tests/modifiers/ModifierLines.h"
#include "tests/modifiers/ModifierModule.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

struct Released {
    void operator()(Animatable* made) const { made->DeleteThis(); }
};
using Instance = std::unique_ptr<Animatable, Released>;

Instance Create(Class_ID id) { return Instance(ClassDirectory::Host().Create(OSM_CLASS_ID, id, false)); }

TEST(ModifierModule, ListsItsThreeClassesInOrder) {
    ModifierModule module;
    ASSERT_EQ(module.Manager().Modules().size(), 1u);
    const LoadedModule& loaded = module.Manager().Modules().front();
    EXPECT_EQ(loaded.fileName, "corvatrix.dlm");
    EXPECT_EQ(loaded.description, "corvatrix: Modifiers to export mesh as an Unreal Brush or Mover");
    ASSERT_EQ(loaded.classes.size(), 3u);

    struct Expected {
        const char* name;
        const char* internalName;
        Class_ID id;
    };
    const Expected expected[] = {
        {"Unreal Properties", "cxPropMod", CXMOD_CLASS_ID},
        {"Unreal Mover", "cxMoverMod", MOVER_MODIFIER_CLASS_ID},
        {"Unreal Brush", "cxBrushMod", BRUSH_MODIFIER_CLASS_ID},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const ClassDesc* desc = loaded.classes[i];
        EXPECT_STREQ(desc->ClassName(), expected[i].name);
        EXPECT_STREQ(desc->InternalName(), expected[i].internalName);
        EXPECT_STREQ(desc->Category(), "corvatrix");
        EXPECT_EQ(desc->SuperClassID(), OSM_CLASS_ID);
        EXPECT_EQ(desc->ClassID(), expected[i].id);
        EXPECT_TRUE(desc->IsPublic());
        EXPECT_EQ(desc->HInstance(), loaded.handle);
        EXPECT_EQ(ClassDirectory::Host().Find(OSM_CLASS_ID, expected[i].id), desc);
    }
}

TEST(ModifierModule, MakesWorkingModifiersThatTheContractReaches) {
    ModifierModule module;
    Instance properties = Create(CXMOD_CLASS_ID);
    Instance brush = Create(BRUSH_MODIFIER_CLASS_ID);
    Instance mover = Create(MOVER_MODIFIER_CLASS_ID);
    ASSERT_TRUE(properties && brush && mover);
    EXPECT_EQ(properties->GetClassName(), "Unreal Properties");

    // The exporter's way in: the class id, then the contract class.
    for (Animatable* made : {properties.get(), brush.get(), mover.get()}) {
        const std::string text = WrittenText([&](T3dWriter& writer) {
            EXPECT_EQ(static_cast<CXMod*>(made)->CXModT3DExport(&writer), 1);
        });
        EXPECT_EQ(text, MapLines(DefaultCommonLines())) << made->GetClassName();
    }
    const auto moverText = [](Animatable* made) {
        return WrittenText([&](T3dWriter& writer) { static_cast<MoverModifier*>(made)->MoverModT3DExport(&writer); });
    };
    EXPECT_EQ(moverText(mover.get()), MapLines(DefaultMoverLines()));

    // The scene reader's way in: the parameter array of each.
    auto* brushValues = dynamic_cast<IParamArray*>(brush.get());
    ASSERT_NE(brushValues, nullptr);
    EXPECT_TRUE(brushValues->SetValue(4922, 0, 1));
    EXPECT_TRUE(brushValues->SetValue(4528 + 0x04000000, 0, 1));
    const auto* brushContract = static_cast<BrushModifier*>(brush.get());
    EXPECT_EQ(brushContract->BrushType(), 1);
    EXPECT_EQ(brushContract->PolyFlags(), 0x04000000u);

    // The module's pages use the host's controls, which its entry set up.
    mover->BeginEditParams(GetCoreInterface(), 0, nullptr);
    EXPECT_EQ(GetCoreInterface()->GetRollupPages().size(), 5u);
    mover->EndEditParams(GetCoreInterface(), 0, nullptr);
    EXPECT_TRUE(GetCoreInterface()->GetRollupPages().empty());

    // A saved modifier loads into a new one of its class.
    auto* moverValues = dynamic_cast<IParamArray*>(mover.get());
    ASSERT_NE(moverValues, nullptr);
    moverValues->SetValue(2143, 0, 2);
    ISave isave;
    mover->Save(&isave);
    Instance loaded(ClassDirectory::Host().Create(OSM_CLASS_ID, MOVER_MODIFIER_CLASS_ID, true));
    ILoad iload(isave.Bytes());
    loaded->Load(&iload);
    EXPECT_EQ(moverText(loaded.get()), MapLines(WithLine(DefaultMoverLines(), "PlayerBumpEvent", "BT_AnyBump")));
}

}  // namespace
