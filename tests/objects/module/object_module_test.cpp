// The built corvatrix.dlo loaded through the host, with and without actor
// definitions beside it, and its classes and library as the program lists
// them.

#include "common/PluginClassIds.h"
#include "host/core/ClassDirectory.h"
#include "host/plugins/PluginManager.h"
#include "tests/corvatrix/RunProgram.h"
#include "tests/objects/module/ObjectPlugins.h"

#include <gtest/gtest.h>

namespace {

TEST(ObjectModule, LoadsWithoutAnActorFolder) {
    ObjectPlugins plugins(false);
    PluginManager manager;
    ASSERT_EQ(manager.LoadFolder(plugins.Path()), 1);
    EXPECT_TRUE(manager.Diagnostics().empty());
    const LoadedModule& module = manager.Modules().at(0);
    EXPECT_EQ(module.description, "corvatrix: Objects to export different types of Unreal Actors");
    ASSERT_EQ(module.classes.size(), 2u) << "the trigger must not vanish for want of actors";
    EXPECT_STREQ(module.classes[0]->ClassName(), "Trigger");
    EXPECT_EQ(module.classes[0]->SuperClassID(), HELPER_CLASS_ID);
    EXPECT_STREQ(module.classes[0]->InternalName(), "cxObjTrig");
    const ClassDesc* actor = module.classes[1];
    EXPECT_EQ(ClassDirectory::Host().Find(GEOMOBJECT_CLASS_ID, ACTOR_HELPER_CLASS_ID), actor);
    EXPECT_STREQ(actor->ClassName(), "Actor");
    EXPECT_STREQ(actor->Category(), "corvatrix");
    EXPECT_STREQ(actor->InternalName(), "cxObjActor");
}

TEST(ObjectModule, ClassesListsTheLibraryAndWarnsOfBadDefinitions) {
    ObjectPlugins plugins(false);
    plugins.WriteDefinition("Start.cxa", "PlayerStart");
    plugins.WriteDefinition("lamp.CXA", "Lamp");
    plugins.WriteBytes("Broken.cxa", "garbage");
    ScratchFolder work;
    const ProgramRun run = RunProgram("classes --plugins '" + plugins.Path() + "'", work.Path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("corvatrix.dlo: corvatrix: Objects to export"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Actor library: " + plugins.ActorFolderPath()), std::string::npos) << run.out;
    const std::size_t start = run.out.find("Start.cxa");
    const std::size_t lamp = run.out.find("lamp.CXA");
    ASSERT_NE(start, std::string::npos) << run.out;
    ASSERT_NE(lamp, std::string::npos) << run.out;
    EXPECT_LT(start, lamp) << "listed in file-name order";
    EXPECT_EQ(run.out.find("Broken.cxa"), std::string::npos);
    EXPECT_NE(run.err.find("Broken.cxa"), std::string::npos) << run.err;
}

}  // namespace
