#include "actorbuilder/ActorBuilderDialog.h"
#include "actorbuilder/ActorBuilderResource.h"
#include "actorbuilder/DefinitionFile.h"
#include "actorbuilder/ListView.h"
#include "host/ui/CommonDialogs.h"
#include "host/ui/Dialog.h"
#include "host/ui/Driver.h"
#include "host/ui/UserInput.h"
#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/EditableReader.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace actorbuilder;
using namespace std::string_literals;
using ui::HWND;
using Rows_t = std::vector<std::vector<std::string>>;

const std::string kPyramid = std::string(CORVATRIX_SOURCE_DIR) + "/tests/actorbuilder/fixtures/uv_colour_pyramid.ase";
const std::string kSaved = "corvatrix Actor Builder: Save successful";
const std::string kFailed = "corvatrix Actor Builder: Save failed";

void Click(HWND dialog, int id) { EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(dialog, id))) << id; }
void Type(HWND dialog, int id, const std::string& text) {
    EXPECT_TRUE(ui::user::Type(ui::GetDlgItem(dialog, id), text)) << id;
}
HWND PropertyList(HWND dialog) { return ui::GetDlgItem(dialog, kPropertyList); }
bool Checked(HWND dialog, int id) { return ui::IsDlgButtonChecked(dialog, id) == ui::BST_CHECKED; }

void AddProperty(HWND dialog, const std::string& name, const std::string& type, const std::string& t3dName,
                 const std::string& defaultText, const std::string& enumValues = "") {
    Type(dialog, kNewName, name);
    EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(dialog, kNewType), type)) << type;
    Type(dialog, kNewT3dName, t3dName);
    Type(dialog, kNewDefault, defaultText);
    Type(dialog, kNewEnumValues, enumValues);
    Click(dialog, kAdd);
}

Rows_t Rows(HWND dialog) {
    Rows_t rows;
    for (int row = 0; row < listview::RowCount(PropertyList(dialog)); ++row) {
        rows.emplace_back();
        for (int column = 0; column < kColumnCount; ++column)
            rows.back().push_back(listview::CellText(PropertyList(dialog), row, column));
    }
    return rows;
}

// The test is the window's user: it acts on the window, answers the file
// dialogs with the paths queued, and notes the message boxes.
class ActorBuilderWindow : public ::testing::Test, public ui::DialogDriver {
protected:
    void Run(std::function<void(HWND)> act) {
        act_ = std::move(act);
        ui::ScopedDialogDriver scope(*this);
        RunActorBuilder(nullptr);
    }
    void SaveAs(HWND dialog, const std::string& path) {
        paths.push_back(path);
        Click(dialog, kSave);
    }
    void LoadFrom(HWND dialog, const std::string& path) {
        paths.push_back(path);
        Click(dialog, kLoad);
    }

    void RunDialog(HWND dialog, int templateId) override {
        EXPECT_EQ(templateId, kDialogId);
        act_(dialog);
    }
    int AnswerMessageBox(HWND, std::string_view text, std::string_view caption, unsigned type) override {
        EXPECT_EQ(type, ui::MB_OK);
        messages.push_back(std::string(caption) + ": " + std::string(text));
        return ui::IDOK;
    }
    bool AnswerFileDialog(const ui::FileDialog& request, bool, std::string& path) override {
        titles.push_back(request.title);
        if (paths.empty()) return false;
        path = paths.front();
        paths.pop_front();
        return true;
    }

    ScratchFolder folder;
    std::deque<std::string> paths;
    std::vector<std::string> titles;
    std::vector<std::string> messages;

private:
    std::function<void(HWND)> act_;
};

TEST_F(ActorBuilderWindow, OpensWithTheColumnsAndTheTypes) {
    Run([](HWND dialog) {
        EXPECT_EQ(ui::GetWindowText(dialog), "corvatrix Actor Builder v0.1");
        std::vector<std::pair<std::string, int>> columns;
        for (const auto& column : listview::Columns(PropertyList(dialog)))
            columns.emplace_back(column.header, column.width);
        EXPECT_EQ(columns, (std::vector<std::pair<std::string, int>>{
                               {"Name", 90}, {"Type", 65}, {"T3D Name", 90}, {"Default", 60}, {"Enum values", 120}}));
        // The drop-down's index is the type code; BOOLEAN comes selected.
        HWND types = ui::GetDlgItem(dialog, kNewType);
        ASSERT_EQ(ui::SendMessage(types, ui::CB_GETCOUNT, 0, 0), cxa::kPropTypeCount);
        EXPECT_EQ(ui::SendMessage(types, ui::CB_GETCURSEL, 0, 0), cxa::kBoolean);
        EXPECT_TRUE(ui::user::Pick(types, "COLOUR"));
        EXPECT_EQ(ui::SendMessage(types, ui::CB_GETCURSEL, 0, 0), cxa::kColour);
        EXPECT_TRUE(ui::user::Type(ui::GetDlgItem(dialog, kNewDefault), "-1")) << "a default may be negative";
    });
}

TEST_F(ActorBuilderWindow, AddTakesOnlyACompleteProperty) {
    Run([](HWND dialog) {
        AddProperty(dialog, "", "BOOLEAN", "bLit", "1");
        AddProperty(dialog, "Lit", "BOOLEAN", "", "1");
        AddProperty(dialog, "Lit", "BOOLEAN", "bLit", "");
        AddProperty(dialog, "Mode", "ENUM", "Mode", "0", "");
        EXPECT_TRUE(Rows(dialog).empty());
        // Nothing added, nothing cleared.
        EXPECT_EQ(ui::GetDlgItemText(dialog, kNewName), "Mode");

        AddProperty(dialog, "Count", "INTEGER", "NumItems", "12", "a,b");
        AddProperty(dialog, "Mode", "ENUM", "Mode", "2", "Low,,High");
        EXPECT_EQ(Rows(dialog), (Rows_t{{"Count", "INTEGER", "NumItems", "12", ""},
                                       {"Mode", "ENUM", "Mode", "2", "Low,,High"}}));
        for (int id : {kNewName, kNewT3dName, kNewDefault, kNewEnumValues})
            EXPECT_EQ(ui::GetDlgItemText(dialog, id), "") << id;
        EXPECT_EQ(ui::SendDlgItemMessage(dialog, kNewType, ui::CB_GETCURSEL, 0, 0), cxa::kEnum);
    });
}

TEST_F(ActorBuilderWindow, DeleteMoveAndSetDefActOnTheSelectedRow) {
    Run([](HWND dialog) {
        for (const char* name : {"A", "B", "C"}) AddProperty(dialog, name, "BYTE", name, "1");
        auto names = [dialog] {
            std::string order;
            for (const auto& row : Rows(dialog)) order += row[kNameColumn];
            return order;
        };
        HWND list = PropertyList(dialog);
        // Without a selection nothing changes.
        for (int id : {kDelete, kMoveUp, kMoveDown, kSetDefault}) Click(dialog, id);
        EXPECT_EQ(names(), "ABC");

        listview::SelectRow(list, 1);
        for (int id : {kMoveUp, kMoveUp}) Click(dialog, id);
        EXPECT_EQ(names(), "BAC") << "the top row stays";
        for (int id : {kMoveDown, kMoveDown, kMoveDown}) Click(dialog, id);
        EXPECT_EQ(names(), "ACB");
        EXPECT_EQ(listview::SelectedRow(list), 2);

        Type(dialog, kNewDefault, "200");
        Click(dialog, kSetDefault);
        EXPECT_EQ(listview::CellText(list, 2, kDefaultColumn), "200");
        EXPECT_EQ(listview::CellText(list, 0, kDefaultColumn), "1");

        Click(dialog, kDelete);
        EXPECT_EQ(names(), "AC");
        EXPECT_EQ(listview::SelectedRow(list), -1);
    });
}

TEST_F(ActorBuilderWindow, SaveWritesTheFormAndAnEmptyDefaultAsZero) {
    const std::string path = folder / "Lamp.cxa";
    Run([&](HWND dialog) {
        Type(dialog, kClassName, "Lamp");
        AddProperty(dialog, "Hue", "BYTE", "LightHue", "7");
        listview::SelectRow(PropertyList(dialog), 0);
        Type(dialog, kNewDefault, "");
        Click(dialog, kSetDefault);
        // Without "Use custom geometry" the path is not read.
        Type(dialog, kAsePath, "/nonexistent/lamp.ase");
        Click(dialog, kWireframe);
        SaveAs(dialog, path);
    });
    EXPECT_EQ(messages, std::vector<std::string>{kSaved});
    EXPECT_EQ(titles, std::vector<std::string>{"Save corvatrix actor..."});

    const std::string bytes = FileContents(path);
    EXPECT_EQ(bytes.substr(bytes.size() - 24),
              "\0\0\0\0\0\0\0\0\x01\0\0\0"  // no geometry, not renderable, wireframe
              "\0\0\0\0\0\0\0\0"            // the two zero counts
              "\x04\x49\x93\x30"s);
    ActorDef def;
    ASSERT_TRUE(cxa::ReadActorDef(bytes, "Lamp", def));
    ASSERT_EQ(def.Count(), 1);
    EXPECT_EQ(def.properties[0].defaultValue, 0);
    EXPECT_FALSE(def.mesh);
}

TEST_F(ActorBuilderWindow, RefusesWhatTheBatchModeRefusesAndAFailedSaveKeepsTheFile) {
    const std::string path = folder / "Broken.cxa";
    ASSERT_TRUE(os::ReplaceFile(folder / "no_mesh.ase", "*SCENE {\n}\n"));
    ASSERT_TRUE(os::ReplaceFile(path, "earlier"));
    Run([&](HWND dialog) {
        SaveAs(dialog, path);  // no class name
        Type(dialog, kClassName, "Rock");
        Click(dialog, kUseGeometry);
        SaveAs(dialog, path);  // no ASE path
        for (const std::string& ase : {"/nonexistent/rock.ase"s, folder / "no_mesh.ase"}) {
            Type(dialog, kAsePath, ase);
            SaveAs(dialog, path);
        }
        Click(dialog, kSave);  // cancelled: nothing written, no message
        Click(dialog, kUseGeometry);

        // Out of range defaults and names that would break a map line are
        // refused; a minus sign is not.
        AddProperty(dialog, "Hue", "BYTE", "LightHue", "256");
        AddProperty(dialog, "Big", "INTEGER", "Big", "2147483648");
        AddProperty(dialog, "Key", "INTEGER", "a=b", "1");
        EXPECT_TRUE(Rows(dialog).empty());
        AddProperty(dialog, "Depth", "INTEGER", "Depth", "-5");
        AddProperty(dialog, "Speed", "FLOAT", "Speed", "-2");
        listview::SelectRow(PropertyList(dialog), 0);
        Type(dialog, kNewDefault, "-2147483649");
        Click(dialog, kSetDefault);
        EXPECT_EQ(Rows(dialog),
                  (Rows_t{{"Depth", "INTEGER", "Depth", "-5", ""}, {"Speed", "FLOAT", "Speed", "-2", ""}}));

        Type(dialog, kClassName, "Two Words");
        SaveAs(dialog, path);
    });
    const std::string caption = "corvatrix Actor Builder: ";
    ASSERT_EQ(messages.size(), 9u);
    EXPECT_EQ(messages[0], kFailed + ": the class name is empty");
    EXPECT_EQ(messages[1], kFailed + ": custom geometry without an ASE file");
    for (int i : {2, 3}) EXPECT_EQ(messages[i].rfind(kFailed + ": ", 0), 0u) << messages[i];
    EXPECT_NE(messages[2].find("rock.ase"), std::string::npos) << messages[2];
    EXPECT_EQ(messages[4], caption + "a BYTE default is 0 to 255");
    EXPECT_EQ(messages[5], caption + "the default 2147483648 is no 32-bit whole number");
    EXPECT_EQ(messages[6], caption + "the T3D name cannot hold a blank, '\"', '=' or a control character");
    EXPECT_EQ(messages[7], caption + "the default -2147483649 is no 32-bit whole number");
    EXPECT_EQ(messages[8], kFailed + ": the class name cannot hold a blank, '\"', '=' or a control character");
    EXPECT_EQ(FileContents(path), "earlier");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Broken.cxa", "no_mesh.ase"}));
}

TEST_F(ActorBuilderWindow, LoadRestoresClassAndRowsButNotTheGeometryOptions) {
    cxa::DefinitionForm form;
    form.className = "Guard";
    form.rows = {{"Alert", "BOOLEAN", "bAlert", "1", ""},
                 {"Offset", "INTEGER", "Offset", "-3", ""},
                 {"Mood", "ENUM", "Mood", "2", "Calm,Wary,Angry"}};
    form.useCustomGeometry = true;
    form.renderable = true;
    form.asePath = kPyramid;
    std::string error;
    ASSERT_TRUE(SaveDefinition(folder / "Guard.cxa", form, error)) << error;
    ASSERT_TRUE(os::ReplaceFile(folder / "notes.cxa", "not a definition"));

    Run([&](HWND dialog) {
        Type(dialog, kAsePath, "kept.ase");
        Click(dialog, kWireframe);
        AddProperty(dialog, "Old", "FLOAT", "Old", "5");
        LoadFrom(dialog, folder / "Guard.cxa");
        EXPECT_EQ(ui::GetDlgItemText(dialog, kClassName), "Guard");
        EXPECT_EQ(Rows(dialog), (Rows_t{{"Alert", "BOOLEAN", "bAlert", "1", ""},
                                       {"Offset", "INTEGER", "Offset", "-3", ""},
                                       {"Mood", "ENUM", "Mood", "2", "Calm,Wary,Angry"}}));
        EXPECT_FALSE(Checked(dialog, kUseGeometry));
        EXPECT_FALSE(Checked(dialog, kRenderable));
        EXPECT_TRUE(Checked(dialog, kWireframe));
        EXPECT_EQ(ui::GetDlgItemText(dialog, kAsePath), "kept.ase");

        // A file without the start magic empties the list and keeps the class.
        LoadFrom(dialog, folder / "notes.cxa");
        EXPECT_TRUE(Rows(dialog).empty());
        EXPECT_EQ(ui::GetDlgItemText(dialog, kClassName), "Guard");
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(titles.at(0), "Select corvatrix actor...");
}

TEST_F(ActorBuilderWindow, SavedTextsAndMeshLoadWholeInEveryReader) {
    const std::string path = folder / "Long.cxa";
    Run([&](HWND dialog) {
        // The edits take no more than every reader keeps.
        Type(dialog, kClassName, std::string(200, 'C'));
        AddProperty(dialog, std::string(70, 'n'), "ENUM", std::string(70, 't'), "0", std::string(200, 'e'));
        Click(dialog, kUseGeometry);
        Click(dialog, kRenderable);
        Type(dialog, kAsePath, kPyramid);
        SaveAs(dialog, path);
    });
    EXPECT_EQ(messages, std::vector<std::string>{kSaved});
    const std::string className(cxa::kMaxClassNameLength, 'C');
    ActorDef def;
    ASSERT_TRUE(cxa::ReadActorDefFromFile(path, className, def));
    ASSERT_TRUE(def.mesh);
    EXPECT_EQ(def.mesh->vertices.size(), 5u);
    EXPECT_EQ(def.mesh->faces.size(), 6u);
    EXPECT_EQ(def.renderable, 1);
    cxa::EditableDefinition editable;
    ASSERT_TRUE(cxa::ReadEditableFromFile(path, editable));
    EXPECT_EQ(editable.className.View(), className);
    ASSERT_EQ(editable.properties.size(), 1u);
    EXPECT_EQ(editable.properties[0].name.View(), std::string(cxa::kMaxNameLength, 'n'));
    EXPECT_EQ(editable.properties[0].t3dName.View(), std::string(cxa::kMaxT3dNameLength, 't'));
    EXPECT_EQ(editable.properties[0].enumValues.View(), def.properties.at(0).enumValues.View());
    EXPECT_EQ(def.properties[0].enumValues.View(), std::string(cxa::kMaxEnumValuesLength, 'e'));
}

TEST_F(ActorBuilderWindow, BrowsePutsTheChosenAseFileIntoItsEdit) {
    Run([&](HWND dialog) {
        paths = {folder / "missing.ase", kPyramid};
        Click(dialog, kBrowseAse);
        EXPECT_EQ(ui::GetDlgItemText(dialog, kAsePath), "") << "an open dialog takes existing files only";
        Click(dialog, kBrowseAse);
        EXPECT_EQ(ui::GetDlgItemText(dialog, kAsePath), kPyramid);
    });
    EXPECT_EQ(titles.at(0), "Select ASE geometry file...");
}

TEST_F(ActorBuilderWindow, ExitAndTheCloseBoxEndTheWindow) {
    for (bool viaExit : {true, false}) {
        Run([&](HWND dialog) {
            EXPECT_TRUE(viaExit ? ui::user::Click(ui::GetDlgItem(dialog, kExit)) : ui::user::Close(dialog));
            EXPECT_TRUE(ui::IsDialogEnded(dialog));
        });
    }
}

}  // namespace
