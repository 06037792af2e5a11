#include "host/core/Animatable.h"

#include <gtest/gtest.h>

namespace {

class Plain : public Animatable {
public:
    Class_ID ClassID() const override { return Class_ID(1, 2); }
    SClass_ID SuperClassID() const override { return 0x10; }
};

class Copyable : public Plain {
public:
    explicit Copyable(int initial) : value(initial) {}
    Animatable* Clone(RemapDir& remap) override {
        auto* copy = new Copyable(value);
        BaseClone(this, copy, remap);
        return copy;
    }
    int value;
};

}  // namespace

TEST(Cloning, TheRemapDirectoryPairsEachOriginalWithItsCopy) {
    Copyable first(1);
    Copyable second(2);
    Plain plain;
    RemapDir remap;

    EXPECT_EQ(plain.Clone(remap), nullptr) << "a class that cannot be copied";
    Animatable* firstCopy = first.Clone(remap);
    Animatable* secondCopy = second.Clone(remap);
    EXPECT_EQ(remap.FindMapping(&first), firstCopy);
    EXPECT_EQ(remap.FindMapping(&second), secondCopy);
    EXPECT_EQ(remap.FindMapping(&plain), nullptr);
    EXPECT_EQ(static_cast<Copyable*>(secondCopy)->value, 2);

    firstCopy->DeleteThis();
    secondCopy->DeleteThis();
}
