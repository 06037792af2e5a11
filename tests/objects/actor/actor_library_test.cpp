// The actor library: which files become entries, in which order, how
// entries are found, and the definitions loaded from them.

#include "objects/cxa/CxaOutput.h"
#include "tests/objects/actor/ActorFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ActorLibrary, ListsDefinitionsSortedAndKeepsDuplicateClassNames) {
    ActorFolder folder;
    folder.Write("PlayerStart.cxa", "PlayerStart");
    folder.Write("b.CXA", "Torch");
    folder.Write("a.cxa", "Torch");
    folder.WriteBytes("notes.txt", "not a definition");
    ActorLibrary& library = folder.Library();
    ASSERT_EQ(library.Count(), 3);
    EXPECT_EQ(library.FileName(0), "PlayerStart.cxa");
    EXPECT_EQ(library.FileName(1), "a.cxa");
    EXPECT_EQ(library.FileName(2), "b.CXA");
    EXPECT_EQ(library.ClassName(1), "Torch");
    EXPECT_EQ(library.ClassName(2), "Torch") << "the same class twice is two entries, told apart by file";
    EXPECT_TRUE(library.Warnings().empty());
}

TEST(ActorLibrary, FindsEntriesWithoutRegardToCase) {
    ActorFolder folder;
    folder.Write("Lamp.cxa", "Lamp");
    folder.Write("MyActor.cxa", "MyActor");
    const ActorLibrary& library = folder.Library();
    EXPECT_EQ(library.FindByFileName("MYACTOR.CXA"), 1);
    EXPECT_EQ(library.FindByFileName("MyActor"), -1);
    EXPECT_EQ(library.FindByClassName("lamp"), 0);
    EXPECT_EQ(library.FindByClassName("Lampe"), -1);
    EXPECT_EQ(library.ClassName(2), "");
    EXPECT_EQ(library.FileNameField(-1), nullptr);
}

TEST(ActorLibrary, MissingOrEmptyFolderGivesAnEmptyLibrary) {
    ActorFolder folder;
    EXPECT_EQ(folder.Library().Count(), 0);
    ActorLibrary missing;
    EXPECT_EQ(missing.Build(folder.Path() + "/no-such-folder"), 0);
    EXPECT_TRUE(missing.IsBuilt());
    EXPECT_EQ(missing.Count(), 0);
}

TEST(ActorLibrary, SkipsBadFilesWithAWarningAndKeepsTheOthers) {
    ActorFolder folder;
    folder.Write("Good.cxa", "Good");
    folder.WriteBytes("Empty.cxa", "");
    folder.WriteBytes("NoMagic.cxa", std::string("\x01\x02\x03\x04\x05\x00\x00\x00Hello", 13));
    cxa::CxaOutput zeroName;
    zeroName.U32(0x04499330);
    zeroName.I32(0);
    folder.WriteBytes("ZeroName.cxa", zeroName.Bytes());
    cxa::CxaOutput cut;
    cut.U32(0x04499330);
    cut.I32(20);
    folder.WriteBytes("Cut.cxa", cut.Bytes() + "Short");
    // Names the map would carry unquoted, as a class or a key, must not
    // break its line.
    folder.Write("Blank.cxa", "Two Words");
    folder.Write("Quote.cxa", "Quo\"te");
    folder.Write("Equals.cxa", "Key=Value");
    folder.Write("LineBreak.cxa", "Line\nBreak");
    folder.Write("T3dName.cxa", "Fine", {{"Flag", "BOOLEAN", "bFlag\r", "1", ""}});
    const ActorLibrary& library = folder.Library();
    ASSERT_EQ(library.Count(), 1);
    EXPECT_EQ(library.ClassName(0), "Good");
    ASSERT_EQ(library.Warnings().size(), 9u);
    EXPECT_NE(library.Warnings()[1].find("Cut.cxa"), std::string::npos) << library.Warnings()[1];
    EXPECT_NE(library.Warnings()[7].find("T3dName.cxa: its class name or a property's T3D name cannot hold"),
              std::string::npos)
        << library.Warnings()[7];
}

TEST(ActorLibrary, ClassNameOf127CharactersIsKeptWhole) {
    ActorFolder folder;
    const std::string longName(127, 'K');
    folder.Write("Long.cxa", longName);
    EXPECT_EQ(folder.Library().ClassName(0), longName);
}

TEST(ActorLibrary, IsBuiltOnlyOnce) {
    ActorFolder folder;
    folder.Write("One.cxa", "One");
    ActorLibrary library;
    EXPECT_EQ(library.Build(folder.Path()), 1);
    folder.Write("Two.cxa", "Two");
    EXPECT_EQ(library.Build(folder.Path()), 0);
    EXPECT_EQ(library.Count(), 1);
}

TEST(ActorLibrary, LoadsTheCurrentFileOfAnEntry) {
    ActorFolder folder;
    folder.Write("Lamp.cxa", "Lamp", {{"Speed", "FLOAT", "Speed", "5", ""}});
    const ActorLibrary& library = folder.Library();
    ActorDef def;
    ASSERT_TRUE(library.LoadDefinition(0, def));
    ASSERT_EQ(def.Count(), 1);
    EXPECT_EQ(def.values[0].AsFloat(), 5.0f);

    folder.Write("Lamp.cxa", "Lamp", {{"Speed", "FLOAT", "Speed", "7", ""}, {"On", "BOOLEAN", "bOn", "1", ""}});
    ASSERT_TRUE(library.LoadDefinition(0, def)) << "a load reads the file as it is now";
    EXPECT_EQ(def.Count(), 2);

    folder.Write("Lamp.cxa", "Renamed");
    EXPECT_FALSE(library.LoadDefinition(0, def)) << "the class no longer matches the entry";
    folder.Remove("Lamp.cxa");
    EXPECT_FALSE(library.LoadDefinition(0, def));
    EXPECT_FALSE(library.LoadDefinition(5, def));
}

}  // namespace
