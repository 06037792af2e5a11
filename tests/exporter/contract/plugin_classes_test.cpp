#include "ContractDoubles.h"
#include "ContractFixture.h"

#include "host/core/ClassId.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

// The slot of a virtual operation in its class's table of virtual
// operations, read from the Itanium C++ ABI's form of a pointer to a virtual
// member function: the slot's byte offset plus one.
template <class Member>
std::ptrdiff_t VirtualSlot(Member member) {
    struct Representation {
        std::ptrdiff_t offsetPlusOne;
        std::ptrdiff_t adjustment;
    };
    static_assert(sizeof(Member) == sizeof(Representation), "not the Itanium C++ ABI's member pointers");
    Representation representation;
    std::memcpy(&representation, &member, sizeof representation);
    return (representation.offsetPlusOne - 1) / static_cast<std::ptrdiff_t>(sizeof(void*));
}

// A class that adds one operation to Base: that operation's slot is the first
// one after all of Base's.
template <class Base>
class SlotProbe : public Base {
public:
    virtual void Added() = 0;
};

template <class Base>
std::ptrdiff_t FirstSlotAfter() {
    return VirtualSlot(&SlotProbe<Base>::Added);
}

// Modules built apart reach each other's operations by slot alone.
TEST(PluginClassesTest, AddedOperationsFollowTheHostBaseInContractOrder) {
    EXPECT_EQ(VirtualSlot(&ActorHelper::ActorT3DExport), FirstSlotAfter<GeomObject>());
    EXPECT_EQ(VirtualSlot(&ActorHelper::GetActorObjClass), FirstSlotAfter<GeomObject>() + 1);
    EXPECT_EQ(FirstSlotAfter<ActorHelper>(), FirstSlotAfter<GeomObject>() + 2);

    EXPECT_EQ(VirtualSlot(&TriggerHelper::TriggerT3DExport), FirstSlotAfter<HelperObject>());
    EXPECT_EQ(VirtualSlot(&TriggerHelper::GetTriggerClass), FirstSlotAfter<HelperObject>() + 1);
    EXPECT_EQ(FirstSlotAfter<TriggerHelper>(), FirstSlotAfter<HelperObject>() + 2);

    EXPECT_EQ(VirtualSlot(&CXMod::CXModT3DExport), FirstSlotAfter<Modifier>());
    EXPECT_EQ(FirstSlotAfter<CXMod>(), FirstSlotAfter<Modifier>() + 1);
    // The brush modifier adds nothing; the mover's own operation comes right
    // after the inherited one.
    EXPECT_EQ(FirstSlotAfter<BrushModifier>(), FirstSlotAfter<CXMod>());
    EXPECT_EQ(VirtualSlot(&MoverModifier::MoverModT3DExport), FirstSlotAfter<CXMod>());
    EXPECT_EQ(FirstSlotAfter<MoverModifier>(), FirstSlotAfter<CXMod>() + 1);
}

using PluginClassesCallTest = ContractRecordTest;

TEST_F(PluginClassesCallTest, EachContractClassReachesTheModulesImplementation) {
    TestActorHelper actor("PlayerStart");
    const Animatable& actorRoot = actor;
    EXPECT_EQ(actorRoot.ClassID(), ACTOR_HELPER_CLASS_ID);
    EXPECT_EQ(actorRoot.SuperClassID(), GEOMOBJECT_CLASS_ID);
    ActorHelper& actorContract = actor;
    EXPECT_EQ(actorContract.GetActorObjClass(), "PlayerStart");
    EXPECT_EQ(actorContract.ActorT3DExport(&writer), 1);

    TestTriggerHelper trigger("ZoneTrigger");
    const Animatable& triggerRoot = trigger;
    EXPECT_EQ(triggerRoot.ClassID(), TRIGGER_HELPER_CLASS_ID);
    EXPECT_EQ(triggerRoot.SuperClassID(), HELPER_CLASS_ID);
    TriggerHelper& triggerContract = trigger;
    EXPECT_EQ(triggerContract.GetTriggerClass(), "ZoneTrigger");
    EXPECT_EQ(triggerContract.TriggerT3DExport(&writer), 1);

    TestPropertyModifier properties;
    TestBrushModifier brush(1, 2, 0x0C000000u);
    TestMoverModifier mover;
    const Modifier* modifiers[] = {&properties, &brush, &mover};
    const Class_ID ids[] = {CXMOD_CLASS_ID, BRUSH_MODIFIER_CLASS_ID, MOVER_MODIFIER_CLASS_ID};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(modifiers[i]->ClassID(), ids[i]);
        EXPECT_EQ(modifiers[i]->SuperClassID(), OSM_CLASS_ID);
    }
    CXMod& moverCommon = mover;
    EXPECT_EQ(moverCommon.CXModT3DExport(&writer), 1);
    MoverModifier& moverContract = mover;
    EXPECT_EQ(moverContract.MoverModT3DExport(&writer), 1);

    const BrushModifier& brushValues = brush;
    EXPECT_EQ(brushValues.BrushType(), 1);
    EXPECT_EQ(brushValues.CsgOperation(), 2);
    EXPECT_EQ(brushValues.PolyFlags(), 0x0C000000u);

    EXPECT_EQ(ActorText(),
              "\tHealth=100\r\n"
              "\tEvent=OpenGate\r\n"
              "\tbHidden=True\r\n"
              "\tInitialState=\"TriggerToggle\"\r\n");
}

}  // namespace
