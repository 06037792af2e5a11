#include "host/core/ClassDirectory.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class StubObject : public Animatable {
public:
    StubObject(SClass_ID superClass, Class_ID id, bool loading)
        : superClass_(superClass), id_(id), loading_(loading) {}
    Class_ID ClassID() const override { return id_; }
    SClass_ID SuperClassID() const override { return superClass_; }
    bool CreatedForLoading() const { return loading_; }

private:
    SClass_ID superClass_;
    Class_ID id_;
    bool loading_;
};

class StubDesc : public ClassDesc2 {
public:
    StubDesc(SClass_ID superClass, Class_ID id) : superClass_(superClass), id_(id) {}
    bool IsPublic() const override { return true; }
    Animatable* Create(bool loading) override { return new StubObject(superClass_, id_, loading); }
    const char* ClassName() const override { return "Stub"; }
    const char* Category() const override { return "tests"; }
    SClass_ID SuperClassID() const override { return superClass_; }
    Class_ID ClassID() const override { return id_; }
    const char* InternalName() const override { return "stub"; }
    HINSTANCE HInstance() const override { return nullptr; }

private:
    SClass_ID superClass_;
    Class_ID id_;
};

struct DeleteThis {
    void operator()(Animatable* object) const { object->DeleteThis(); }
};
using Instance = std::unique_ptr<Animatable, DeleteThis>;

const Class_ID kOne(1, 100);
const Class_ID kTwo(2, 200);
const Class_ID kThree(3, 300);

}  // namespace

TEST(ClassDirectory, KeysClassesBySuperClassAndClassIdAndKeepsTheFirstOwner) {
    ClassDirectory directory;
    StubDesc helper(HELPER_CLASS_ID, kOne);
    StubDesc modifier(OSM_CLASS_ID, kOne);  // same class id, other super class
    StubDesc impostor(HELPER_CLASS_ID, kOne);

    EXPECT_TRUE(directory.Add(&helper, "first.dlo"));
    EXPECT_TRUE(directory.Add(&modifier, "first.dlm"));
    EXPECT_FALSE(directory.Add(&impostor, "second.dlo"));

    EXPECT_EQ(directory.Count(), 2u);
    EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kOne), &helper);
    EXPECT_EQ(directory.Find(OSM_CLASS_ID, kOne), &modifier);
    EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kTwo), nullptr);
    EXPECT_EQ(directory.Find(LIGHT_CLASS_ID, kOne), nullptr);
    ASSERT_NE(directory.OwnerOf(HELPER_CLASS_ID, kOne), nullptr);
    EXPECT_EQ(*directory.OwnerOf(HELPER_CLASS_ID, kOne), "first.dlo");
    EXPECT_EQ(directory.OwnerOf(HELPER_CLASS_ID, kTwo), nullptr);
}

TEST(ClassDirectory, ListsASuperClassInRegistrationOrder) {
    ClassDirectory directory;
    StubDesc third(HELPER_CLASS_ID, kThree);
    StubDesc first(HELPER_CLASS_ID, kOne);
    StubDesc light(LIGHT_CLASS_ID, kTwo);
    StubDesc second(HELPER_CLASS_ID, kTwo);
    for (StubDesc* desc : {&third, &first, &light, &second}) directory.Add(desc, "module");

    EXPECT_EQ(directory.OfSuperClass(HELPER_CLASS_ID), (std::vector<ClassDesc*>{&third, &first, &second}));
    EXPECT_EQ(directory.OfSuperClass(LIGHT_CLASS_ID), (std::vector<ClassDesc*>{&light}));
    EXPECT_TRUE(directory.OfSuperClass(CAMERA_CLASS_ID).empty());
}

TEST(ClassDirectory, CreatesRegisteredClassesOnlyAndForgetsRemovedOnes) {
    ClassDirectory directory;
    StubDesc helper(HELPER_CLASS_ID, kOne);
    StubDesc light(LIGHT_CLASS_ID, kTwo);
    directory.Add(&helper, "module");
    directory.Add(&light, "module");

    Instance fresh(directory.Create(HELPER_CLASS_ID, kOne, false));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->ClassID(), kOne);
    EXPECT_EQ(fresh->SuperClassID(), HELPER_CLASS_ID);
    EXPECT_FALSE(static_cast<StubObject&>(*fresh).CreatedForLoading());
    Instance loaded(directory.Create(LIGHT_CLASS_ID, kTwo, true));
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(static_cast<StubObject&>(*loaded).CreatedForLoading());
    EXPECT_EQ(directory.Create(HELPER_CLASS_ID, kTwo, false), nullptr);

    directory.Remove(&helper);
    EXPECT_EQ(directory.Count(), 1u);
    EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kOne), nullptr);
    EXPECT_EQ(directory.Create(HELPER_CLASS_ID, kOne, false), nullptr);
    EXPECT_EQ(directory.Find(LIGHT_CLASS_ID, kTwo), &light);
    // The freed key can be taken again.
    StubDesc successor(HELPER_CLASS_ID, kOne);
    EXPECT_TRUE(directory.Add(&successor, "other"));
}
