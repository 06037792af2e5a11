#include "host/plugins/PluginManager.h"

#include "tests/host/plugins/fixtures/FixtureIds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Folder(const char* name) { return std::string(CORVATRIX_FIXTURE_ROOT) + "/" + name; }

// The entry calls the test modules logged since the last call.
std::vector<std::string> TakeEvents() {
    const char* logged = std::getenv(kFixtureEventsVariable);
    std::istringstream words(logged ? logged : "");
    std::vector<std::string> events;
    for (std::string word; words >> word;) events.push_back(word);
    setenv(kFixtureEventsVariable, "", 1);
    return events;
}

std::vector<std::string> FileNames(const PluginManager& manager) {
    std::vector<std::string> names;
    for (const LoadedModule& module : manager.Modules()) names.push_back(module.fileName);
    return names;
}

using Events = std::vector<std::string>;

}  // namespace

TEST(PluginManager, LoadsEveryModuleOfAFolderInNameOrder) {
    TakeEvents();
    ClassDirectory directory;
    PluginManager manager(directory);

    EXPECT_EQ(manager.LoadFolder(Folder("valid")), 2);
    EXPECT_TRUE(manager.Diagnostics().empty());
    EXPECT_EQ(TakeEvents(), (Events{"extra:attach", "valid:attach"}));
    ASSERT_EQ(FileNames(manager), (std::vector<std::string>{"Extra.DLM", "valid.dlo"}));

    const LoadedModule& extra = manager.Modules()[0];
    const LoadedModule& valid = manager.Modules()[1];
    EXPECT_EQ(extra.path, Folder("valid") + "/Extra.DLM");
    EXPECT_EQ(extra.description, "Extra test module");
    EXPECT_EQ(valid.description, "Valid test module");
    ASSERT_EQ(valid.classes.size(), 2u);
    EXPECT_STREQ(valid.classes[0]->ClassName(), "First");
    EXPECT_STREQ(valid.classes[1]->ClassName(), "Second");
    EXPECT_NE(extra.handle, valid.handle);
    for (const LoadedModule& module : manager.Modules()) {
        for (const ClassDesc* desc : module.classes) EXPECT_EQ(desc->HInstance(), module.handle);
    }

    EXPECT_EQ(directory.Count(), 3u);
    EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kFirstClassId), valid.classes[0]);
    EXPECT_EQ(directory.OfSuperClass(OSM_CLASS_ID), (std::vector<ClassDesc*>{valid.classes[1]}));
    EXPECT_EQ(directory.Find(OSM_CLASS_ID, kFirstClassId), nullptr);

    Animatable* created = directory.Create(OSM_CLASS_ID, kSecondClassId, false);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->ClassID(), kSecondClassId);
    EXPECT_EQ(created->SuperClassID(), OSM_CLASS_ID);
    EXPECT_EQ(created->GetClassName(), "Second");
    created->DeleteThis();
}

TEST(PluginManager, UnloadsInReverseOrderAndEmptiesTheDirectory) {
    ClassDirectory directory;
    {
        PluginManager manager(directory);
        manager.LoadFolder(Folder("valid"));
        TakeEvents();

        manager.UnloadAll();
        EXPECT_EQ(TakeEvents(), (Events{"valid:detach", "extra:detach"}));
        EXPECT_TRUE(manager.Modules().empty());
        EXPECT_EQ(directory.Count(), 0u);
        EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kFirstClassId), nullptr);

        // Loading again after an unload works as the first time.
        EXPECT_EQ(manager.LoadFolder(Folder("valid")), 2);
        EXPECT_EQ(directory.Count(), 3u);
        TakeEvents();
    }
    // Going out of scope unloads what is still loaded.
    EXPECT_EQ(TakeEvents(), (Events{"valid:detach", "extra:detach"}));
    EXPECT_EQ(directory.Count(), 0u);
}

TEST(PluginManager, ReportsEachBrokenModuleByFileAndReasonAndLoadsTheRest) {
    TakeEvents();
    ClassDirectory directory;
    PluginManager manager(directory);

    EXPECT_EQ(manager.LoadFolder(Folder("broken")), 1);
    EXPECT_EQ(FileNames(manager), (std::vector<std::string>{"c_extra.dle"}));
    EXPECT_EQ(directory.Count(), 1u);
    EXPECT_NE(directory.Find(GEOMOBJECT_CLASS_ID, kExtraClassId), nullptr);
    // Nothing of a refused module stays registered, not even its sound classes.
    EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kNullNeighbourClassId), nullptr);

    // One diagnostic per broken module, in file order, each naming its file.
    const std::vector<std::string>& diagnostics = manager.Diagnostics();
    ASSERT_EQ(diagnostics.size(), 5u);
    const char* files[] = {"a_garbage.dlo", "b_no_entry.dle", "d_failing.dlm", "e_wrong_version.dlo",
                           "f_null_descriptor.dlo"};
    const char* reasons[] = {"", "lacks LibClassDesc", "its module entry failed on attach",
                             "built for version 0x17700D01, the host's is 0x17700D00",
                             "no class descriptor for class 1 of 2"};
    for (std::size_t i = 0; i < diagnostics.size(); ++i) {
        std::string prefix = Folder("broken") + "/" + files[i] + ": not loaded: ";
        EXPECT_EQ(diagnostics[i].rfind(prefix, 0), 0u) << diagnostics[i];
        EXPECT_GT(diagnostics[i].size(), prefix.size()) << "no reason given";
        EXPECT_NE(diagnostics[i].find(reasons[i]), std::string::npos) << diagnostics[i];
    }

    // Every module whose entry ran on attach saw its detach before it went;
    // the one without its entry points was never entered.
    EXPECT_EQ(TakeEvents(), (Events{"extra:attach", "failing:attach", "failing:detach",
                                    "wrong_version:attach", "wrong_version:detach",
                                    "null_descriptor:attach", "null_descriptor:detach"}));
}

TEST(PluginManager, RefusesAModuleThatReusesAClassIdAsAWhole) {
    TakeEvents();
    ClassDirectory directory;
    PluginManager manager(directory);

    EXPECT_EQ(manager.LoadFolder(Folder("duplicate")), 1);
    EXPECT_EQ(FileNames(manager), (std::vector<std::string>{"a_valid.dlo"}));
    ASSERT_EQ(manager.Diagnostics().size(), 1u);
    const std::string& message = manager.Diagnostics()[0];
    EXPECT_EQ(message.rfind(Folder("duplicate") + "/b_duplicate.dlm: not loaded: ", 0), 0u) << message;
    EXPECT_NE(message.find("(0xC0FFEE01, 0x11)"), std::string::npos) << message;
    EXPECT_NE(message.find(Folder("duplicate") + "/a_valid.dlo"), std::string::npos) << message;

    // The first module keeps its class; the refused module's new class is gone.
    EXPECT_EQ(directory.Count(), 2u);
    ASSERT_NE(directory.Find(HELPER_CLASS_ID, kFirstClassId), nullptr);
    EXPECT_EQ(directory.Find(HELPER_CLASS_ID, kFirstClassId)->HInstance(), manager.Modules()[0].handle);
    EXPECT_EQ(directory.Find(GEOMOBJECT_CLASS_ID, kFreshClassId), nullptr);
    EXPECT_EQ(TakeEvents(), (Events{"valid:attach", "duplicate:attach", "duplicate:detach"}));
}

TEST(PluginManager, ReportsAFolderThatIsNotThere) {
    ClassDirectory directory;
    PluginManager manager(directory);
    std::string missing = Folder("no-such-folder");

    EXPECT_EQ(manager.LoadFolder(missing), 0);
    ASSERT_EQ(manager.Diagnostics().size(), 1u);
    EXPECT_EQ(manager.Diagnostics()[0].rfind(missing + ": ", 0), 0u) << manager.Diagnostics()[0];
    EXPECT_TRUE(manager.Modules().empty());
}
