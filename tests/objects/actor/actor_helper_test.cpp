// The actor helper: its class, its map lines, its rollups, and its state
// through save, load and clone.

#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"
#include "host/ui/Window.h"
#include "objects/actor/ActorRollup.h"
#include "tests/common/MapText.h"
#include "tests/objects/actor/ActorEditing.h"
#include "tests/objects/actor/ActorFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Lines(ActorHelperObject& actor) {
    return WrittenText([&](T3dWriter& writer) { EXPECT_EQ(actor.ActorT3DExport(&writer), 1); });
}

std::vector<std::uint8_t> Saved(ActorHelperObject& actor) {
    ISave isave;
    EXPECT_EQ(actor.Save(&isave), IO_OK);
    return isave.Bytes();
}

TEST(ActorHelper, WithoutAClassExportsNothing) {
    ActorFolder folder;
    ActorHelperObject actor(folder.Library());
    EXPECT_EQ(actor.GetActorObjClass(), "");
    EXPECT_EQ(Lines(actor), "");
    EXPECT_EQ(actor.ClassIndex(), -1);
    EXPECT_EQ(&actor.DisplayMesh(), &actor.IconMesh());
}

TEST(ActorHelper, WritesOneLinePerPropertyWithItsValue) {
    ActorFolder folder;
    folder.Write("Example.cxa", "Example", FlagSpeedModeRows());
    folder.Write("Numbers.cxa", "Numbers",
                 {{"Count", "INTEGER", "Count", "-3", ""},
                  {"Tint", "COLOUR", "Tint", "255", ""},
                  {"Hue", "BYTE", "LightHue", "200", ""},
                  {"Level", "ENUM", "Level", "5", "a,b"}});
    ActorHelperObject example(folder.Library());
    ASSERT_TRUE(example.ChooseClass(0));
    example.Definition()->values[1] = ValueCell::FromFloat(2.5f);
    EXPECT_EQ(Lines(example), MapLines({"bFlag=True", "Speed=2.500000", "Mode=High"}));
    EXPECT_EQ(example.GetActorObjClass(), "Example");

    ActorHelperObject numbers(example.Library());
    ASSERT_TRUE(numbers.ChooseClass(1));
    EXPECT_EQ(Lines(numbers), MapLines({"Count=-3", "LightHue=200"})) << "no colour line, no line for a lost item";
}

TEST(ActorHelper, ClassThatNoLongerLoadsLeavesNoClass) {
    ActorFolder folder;
    folder.Write("Gone.cxa", "Gone");
    ActorHelperObject actor(folder.Library());
    folder.Remove("Gone.cxa");
    EXPECT_FALSE(actor.ChooseClass(0));
    EXPECT_EQ(actor.ClassIndex(), -1);
    EXPECT_EQ(actor.GetActorObjClass(), "");
}

TEST(ActorHelper, DefinitionMeshIsShownUnlessTheIconIsAskedFor) {
    ActorFolder folder;
    folder.Write("Rock.cxa", "Rock", {}, OneTriangle(1.0f, 3));
    ActorHelperObject actor(folder.Library());
    EXPECT_EQ(actor.IconMesh().getNumVerts(), 30);
    EXPECT_EQ(actor.IconMesh().getNumFaces(), 52);
    ASSERT_TRUE(actor.ChooseClass(0));
    ASSERT_EQ(actor.DisplayMesh().getNumFaces(), 1);
    EXPECT_EQ(actor.DisplayMesh().getFace(0).getMatID(), 3);
    EXPECT_EQ(actor.DisplayMesh().getFace(0).getSmGroup(), 2u);
}

TEST(ActorHelper, SaveAndLoadKeepClassAndValues) {
    ActorFolder folder;
    folder.Write("Other.cxa", "Other");
    folder.Write("Example.cxa", "Example", FlagSpeedModeRows());
    const ActorLibrary& library = folder.Library();
    ActorHelperObject actor(library);
    ASSERT_TRUE(actor.ChooseClass(0));
    actor.Definition()->values[1] = ValueCell::FromFloat(9.25f);
    actor.SetValue(kDirectionalParam, 0, 1);
    const std::vector<std::uint8_t> bytes = Saved(actor);
    ASSERT_EQ(bytes.size(), (6u + 12 + 260) + (6 + 12));

    ActorHelperObject loaded(library);
    ILoad iload(bytes);
    ASSERT_EQ(loaded.Load(&iload), IO_OK);
    EXPECT_EQ(loaded.GetActorObjClass(), "Example");
    EXPECT_EQ(loaded.Definition()->values[1].AsFloat(), 9.25f);
    EXPECT_TRUE(loaded.Directional());
    EXPECT_EQ(Saved(loaded), bytes);
}

TEST(ActorHelper, SavedWithoutAClassIsTwelveBytes) {
    ActorFolder folder;
    ActorHelperObject actor(folder.Library());
    EXPECT_EQ(Saved(actor).size(), 6u + 12);
}

TEST(ActorHelper, SceneNamingAMissingDefinitionLoadsWithoutAClass) {
    ActorFolder folder;
    folder.Write("Example.cxa", "Example", FlagSpeedModeRows());
    ActorHelperObject actor(folder.Library());
    ASSERT_TRUE(actor.ChooseClass(0));
    const std::vector<std::uint8_t> bytes = Saved(actor);

    ActorFolder elsewhere;
    elsewhere.Write("Unrelated.cxa", "Unrelated");
    ActorHelperObject loaded(elsewhere.Library());
    ILoad iload(bytes);
    ASSERT_EQ(loaded.Load(&iload), IO_OK);
    EXPECT_EQ(loaded.ClassIndex(), -1);
    EXPECT_EQ(loaded.GetActorObjClass(), "");
    EXPECT_EQ(Lines(loaded), "") << "the values chunk is skipped";
}

TEST(ActorHelper, CutSettingsChunkIsAnError) {
    ActorFolder folder;
    ISave isave;
    isave.BeginChunk(kActorSettingsChunk);
    const std::int32_t words[2] = {1, 1};
    isave.Write(words, sizeof words, nullptr);
    isave.EndChunk();
    ActorHelperObject actor(folder.Library());
    ILoad iload(isave.Bytes());
    EXPECT_EQ(actor.Load(&iload), IO_ERROR);
    EXPECT_FALSE(actor.Directional()) << "nothing of a cut chunk is taken";
}

TEST(ActorHelper, CloneHasItsOwnCopyOfTheValues) {
    ActorFolder folder;
    folder.Write("Example.cxa", "Example", FlagSpeedModeRows());
    ActorHelperObject actor(folder.Library());
    ASSERT_TRUE(actor.ChooseClass(0));
    actor.Definition()->values[0] = ValueCell::FromInt(0);
    actor.SetValue(kShowAsIconParam, 0, 1);
    RemapDir remap;
    std::unique_ptr<ActorHelperObject> copy(static_cast<ActorHelperObject*>(actor.Clone(remap)));
    EXPECT_EQ(remap.FindMapping(&actor), copy.get());
    EXPECT_TRUE(copy->ShowAsIcon());
    EXPECT_EQ(Lines(*copy), Lines(actor));
    actor.Definition()->values[0] = ValueCell::FromInt(1);
    EXPECT_NE(Lines(*copy), Lines(actor));
}

using ActorRollups = ActorEditing;

TEST_F(ActorRollups, ModifyPanelShowsTheClassListAndProperties) {
    ActorFolder folder;
    folder.Write("A.cxa", "Alpha");
    folder.Write("B.cxa", "Beta", FlagSpeedModeRows());
    ActorHelperObject actor(folder.Library());
    Begin(actor, BEGIN_EDIT_CREATE);
    EXPECT_TRUE(Titles().empty()) << "nothing in the create panel";
    End();

    Begin(actor);
    EXPECT_EQ(Titles(), std::vector<std::string>{"Unreal Actor"});
    ui::HWND list = ui::GetDlgItem(Page("Unreal Actor"), kActorClassList);
    EXPECT_EQ(ui::SendMessage(list, ui::CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0), ui::CB_ERR);
    ASSERT_TRUE(ui::user::Pick(list, "Beta"));
    EXPECT_EQ(actor.GetActorObjClass(), "Beta");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Unreal Actor", "Properties"}));
    EXPECT_EQ(ip->GetRollupPages()[1].window, Page("Properties"));

    ui::HWND directional = ui::GetDlgItem(Page("Unreal Actor"), kDirectionalCheckBox);
    ASSERT_TRUE(ui::user::Click(directional));
    EXPECT_TRUE(actor.Directional());

    ASSERT_TRUE(ui::user::Pick(list, "Alpha"));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Unreal Actor", "Properties"})) << "the page is replaced";
    EXPECT_EQ(ui::GetDlgItem(Page("Properties"), 7745), nullptr) << "Alpha has no properties";
    End();
}

TEST_F(ActorRollups, FailedChoiceClearsTheSelection) {
    ActorFolder folder;
    folder.Write("A.cxa", "Alpha");
    ActorHelperObject actor(folder.Library());
    folder.Remove("A.cxa");
    Begin(actor);
    ui::HWND list = ui::GetDlgItem(Page("Unreal Actor"), kActorClassList);
    ASSERT_TRUE(ui::user::Pick(list, 0));
    EXPECT_EQ(ui::SendMessage(list, ui::CB_GETCURSEL, 0, 0), ui::CB_ERR);
    EXPECT_EQ(actor.ClassIndex(), -1);
    End();
    EXPECT_EQ(actor.ClassIndex(), -1) << "closing stores the empty selection";
}

}  // namespace
