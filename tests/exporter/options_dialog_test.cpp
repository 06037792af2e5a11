#include "common/ExportOptions.h"
#include "common/OptionText.h"
#include "exporter/OptionsDialog.h"
#include "exporter/OptionsDialogResource.h"
#include "host/os/Files.h"
#include "host/ui/Dialog.h"
#include "host/ui/Driver.h"
#include "host/ui/MainWindow.h"
#include "host/ui/UserInput.h"
#include "tests/exporter/SettingsFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace options_dialog;
using ui::HWND;

namespace {

const int kCheckBoxes[] = {kUseMyLevel, kSnapActive,   kMergedImport,  kUpdateOnly, kBoundBrush,
                           kAltBrushes, kAdjustLights, kBuildOnImport, kCollision,  kSavePackages};

// What the user sees of the dialog.
struct DialogView {
    std::string package;
    bool packageEnabled = false;
    std::string group;
    std::map<int, bool> checked;
    std::vector<std::string> gridEntries;
    std::string gridSelection;
};

DialogView View(HWND dialog) {
    DialogView view;
    view.package = ui::GetDlgItemText(dialog, kPackage);
    view.packageEnabled = ui::IsWindowEnabled(ui::GetDlgItem(dialog, kPackage));
    view.group = ui::GetDlgItemText(dialog, kGroup);
    for (int id : kCheckBoxes) view.checked[id] = ui::IsDlgButtonChecked(dialog, id) == ui::BST_CHECKED;
    const auto count = ui::SendDlgItemMessage(dialog, kGrid, ui::CB_GETCOUNT, 0, 0);
    for (ui::INT_PTR index = 0; index < count; ++index) {
        char text[16] = {};
        ui::SendDlgItemMessage(dialog, kGrid, ui::CB_GETLBTEXT, static_cast<ui::WPARAM>(index),
                               reinterpret_cast<ui::LPARAM>(text));
        view.gridEntries.emplace_back(text);
    }
    const auto selection = ui::SendDlgItemMessage(dialog, kGrid, ui::CB_GETCURSEL, 0, 0);
    if (selection >= 0) view.gridSelection = view.gridEntries[static_cast<std::size_t>(selection)];
    return view;
}

class OptionsDialogTest : public SettingsFileTest {
protected:
    // Runs the dialog with the user's actions; the view is what the user saw
    // when the dialog opened.
    int Run(ExportOptions& options, const std::function<void(HWND)>& act) {
        ui::CallbackDriver driver([&](HWND dialog, int templateId) {
            EXPECT_EQ(templateId, kTemplateId);
            opened = View(dialog);
            act(dialog);
        });
        ui::ScopedDialogDriver scope(driver);
        return RunOptionsDialog(options, ui::GetMainWindow());
    }

    static void Click(HWND dialog, int id) { EXPECT_TRUE(ui::user::Click(ui::GetDlgItem(dialog, id))) << id; }
    static void Type(HWND dialog, int id, const std::string& text) {
        EXPECT_TRUE(ui::user::Type(ui::GetDlgItem(dialog, id), text)) << id;
    }

    DialogView opened;
};

}  // namespace

TEST_F(OptionsDialogTest, FirstRunShowsTheDefaultsAndCancelStoresNothing) {
    ExportOptions options;
    const std::string before = options.Listing();
    HWND seen = nullptr;
    EXPECT_EQ(Run(options,
                  [&](HWND dialog) {
                      seen = dialog;
                      EXPECT_EQ(ui::GetWindowText(dialog), "corvatrix");
                      Click(dialog, kCancel);
                  }),
              1);
    EXPECT_FALSE(ui::IsWindow(seen));

    EXPECT_EQ(opened.package, "myLevel");
    EXPECT_FALSE(opened.packageEnabled);
    EXPECT_EQ(opened.group, "3dsmax");
    const std::map<int, bool> defaults{{kUseMyLevel, true},    {kSnapActive, false},   {kMergedImport, false},
                                       {kUpdateOnly, false},   {kBoundBrush, true},    {kAltBrushes, true},
                                       {kAdjustLights, false}, {kBuildOnImport, false}, {kCollision, true},
                                       {kSavePackages, false}};
    EXPECT_EQ(opened.checked, defaults);
    EXPECT_EQ(opened.gridEntries, (std::vector<std::string>{"1", "2", "4", "8", "16", "32", "64", "128", "256", "512",
                                                            "1024"}));
    EXPECT_EQ(opened.gridSelection, "4");

    EXPECT_FALSE(os::FileExists(SettingsPath())) << "Cancel stores nothing";
    EXPECT_EQ(options.Listing(), before);
}

TEST_F(OptionsDialogTest, OkStoresEveryControlAndZeroForSnapZones) {
    ExportOptions options;
    options.SnapZones = 1;
    EXPECT_EQ(Run(options,
                  [&](HWND dialog) {
                      Click(dialog, kUseMyLevel);
                      Type(dialog, kPackage, "Castle");
                      Type(dialog, kGroup, "Walls");
                      for (int id : kCheckBoxes)
                          if (id != kUseMyLevel) Click(dialog, id);
                      EXPECT_TRUE(ui::user::Pick(ui::GetDlgItem(dialog, kGrid), "16"));
                      Click(dialog, kOk);
                  }),
              0);

    const char* const expected =
        "Package=Castle\n"
        "Group=Walls\n"
        "UseMyLevel=0\n"
        "MergedImport=1\n"
        "UpdateOnly=1\n"
        "AdjustLight=1\n"
        "BoundBrush=0\n"
        "BuildOnImport=1\n"
        "AltBrushes=0\n"
        "StaticMeshCollision=0\n"
        "SavePackages=1\n"
        "SnapBrushes=1\n"
        "SnapZones=0\n"
        "SnapToSize=4\n";
    EXPECT_EQ(options.Listing(), expected);
    EXPECT_EQ(ExportOptions().Listing(), expected) << "read back from the settings file";
    std::uint32_t snapToSize = 0;
    EXPECT_TRUE(StoredKey().GetDword("SnapToSize", snapToSize));
    EXPECT_EQ(snapToSize, 4u) << "the grid entry \"16\" is stored as its index";
}

TEST_F(OptionsDialogTest, OkWithUseMyLevelStoresMyLevelAndLongTextsAreCut) {
    ExportOptions options;
    options.UseMyLevel = 0;
    options.Package = "Castle";
    EXPECT_EQ(Run(options,
                  [&](HWND dialog) {
                      Type(dialog, kGroup, std::string(200, 'g'));
                      Click(dialog, kUseMyLevel);
                      Click(dialog, kOk);
                  }),
              0);
    EXPECT_EQ(opened.package, "Castle");
    EXPECT_TRUE(opened.packageEnabled);
    EXPECT_FALSE(opened.checked[kUseMyLevel]);

    const ExportOptions stored;
    EXPECT_EQ(stored.Package, "myLevel");
    EXPECT_EQ(stored.UseMyLevel, 1);
    EXPECT_EQ(stored.Group, std::string(127, 'g'));
}

TEST_F(OptionsDialogTest, UseMyLevelTogglesThePackageEditBetweenMyLevelAndTheStoredPackage) {
    ExportOptions options;
    options.UseMyLevel = 0;
    options.Package = "Castle";
    Run(options, [&](HWND dialog) {
        HWND edit = ui::GetDlgItem(dialog, kPackage);
        Type(dialog, kPackage, "Typed");
        Click(dialog, kUseMyLevel);
        EXPECT_EQ(ui::GetWindowText(edit), "myLevel");
        EXPECT_FALSE(ui::IsWindowEnabled(edit));
        EXPECT_FALSE(ui::user::Type(edit, "Other")) << "a disabled edit takes no typing";
        Click(dialog, kUseMyLevel);
        EXPECT_EQ(ui::GetWindowText(edit), "Castle") << "the stored Package, not what was typed";
        EXPECT_TRUE(ui::IsWindowEnabled(edit));
        Click(dialog, kCancel);
    });

    // Saved with the box checked, the stored Package is "myLevel", so that is
    // what unchecking shows.
    ExportOptions first;
    first.UseMyLevel = 0;
    first.Package = "Castle";
    Run(first, [&](HWND dialog) {
        Click(dialog, kUseMyLevel);
        Click(dialog, kOk);
    });
    ExportOptions second;
    Run(second, [&](HWND dialog) {
        Click(dialog, kUseMyLevel);
        EXPECT_EQ(ui::GetDlgItemText(dialog, kPackage), "myLevel");
        EXPECT_TRUE(ui::IsWindowEnabled(ui::GetDlgItem(dialog, kPackage)));
        Click(dialog, kCancel);
    });
}

TEST_F(OptionsDialogTest, AStoredPackageShowsInTheDisabledEditWhileUseMyLevelIsSet) {
    os::SettingsKey key = StoredKey();
    key.SetString("Package", "Castle");
    key.SetDword("UseMyLevel", 1);
    key.SetDword("SnapToSize", 10);
    ASSERT_TRUE(key.Save());
    ExportOptions options;
    Run(options, [&](HWND dialog) { Click(dialog, kCancel); });
    EXPECT_EQ(opened.package, "Castle");
    EXPECT_FALSE(opened.packageEnabled);
    EXPECT_TRUE(opened.checked[kUseMyLevel]);
    EXPECT_FALSE(opened.checked[kBoundBrush]) << "a number missing from an existing key reads 0";
    EXPECT_EQ(opened.gridSelection, "1024");
}

TEST_F(OptionsDialogTest, CancelAndClosingLeaveOptionsAndSettingsAsTheyWere) {
    ExportOptions options;
    options.Package = "Castle";
    ASSERT_TRUE(options.Save());
    const std::string file = SettingsText();
    const std::string before = options.Listing();

    auto changeEverything = [&](HWND dialog) {
        Type(dialog, kGroup, "Changed");
        for (int id : kCheckBoxes) Click(dialog, id);
        ui::user::Pick(ui::GetDlgItem(dialog, kGrid), 7);
    };
    EXPECT_EQ(Run(options,
                  [&](HWND dialog) {
                      changeEverything(dialog);
                      Click(dialog, kCancel);
                  }),
              1);
    EXPECT_EQ(options.Listing(), before);
    EXPECT_EQ(SettingsText(), file);

    EXPECT_EQ(Run(options,
                  [&](HWND dialog) {
                      changeEverything(dialog);
                      EXPECT_TRUE(ui::user::Close(dialog));
                  }),
              0)
        << "closing the window goes on with the export";
    EXPECT_EQ(options.Listing(), before);
    EXPECT_EQ(SettingsText(), file);

    EXPECT_EQ(Run(options, [](HWND) {}), 0) << "a driver that does nothing closes the window";
    EXPECT_EQ(options.Listing(), before);
}

TEST_F(OptionsDialogTest, TheDialogIsCentredOverItsParent) {
    HWND main = ui::GetMainWindow();
    ui::MoveWindow(main, 100, 100, 800, 600);
    ExportOptions options;
    ui::RECT rect{};
    Run(options, [&](HWND dialog) { rect = ui::GetWindowRect(dialog); });
    ui::MoveWindow(main, 0, 0, 1280, 1024);
    EXPECT_EQ((rect.left + rect.right) / 2, 500);
    EXPECT_EQ((rect.top + rect.bottom) / 2, 400);
}

TEST(OptionsDialogResource, TemplateHoldsEveryControlWithItsText) {
    const ui::DialogTemplate& dialog = Template();
    EXPECT_EQ(dialog.id, 5000);
    EXPECT_EQ(dialog.title, "corvatrix");
    EXPECT_EQ(dialog.width, 236);
    EXPECT_EQ(dialog.height, 134);

    auto textOf = [&](int id) {
        for (const ui::DialogControl& control : dialog.controls)
            if (control.id == id) return control.text;
        return std::string("<missing>");
    };
    const std::map<int, std::string> buttons{{5000, "Use myLevel for package"},
                                             {1016, "Active"},
                                             {1005, "Merged import"},
                                             {1009, "Update only"},
                                             {1006, "Create bounding brush"},
                                             {1019, "Use alt. method for brushes"},
                                             {1004, "Adjust lights in scene"},
                                             {1008, "Auto build map on import"},
                                             {1020, "StaticMeshes have collision"},
                                             {1000, "Save packages on import"},
                                             {1003, "&Ok"},
                                             {1007, "&Cancel"}};
    for (const auto& [id, text] : buttons) EXPECT_EQ(textOf(id), text) << id;
    EXPECT_EQ(textOf(1001), "");
    EXPECT_EQ(textOf(1002), "");
    EXPECT_EQ(textOf(1018), "");

    std::vector<std::string> unnamed;
    const ui::Bitmap* picture = nullptr;
    for (const ui::DialogControl& control : dialog.controls) {
        if (control.id != ui::IDC_STATIC) continue;
        if (control.image)
            picture = control.image;
        else
            unnamed.push_back(control.text);
    }
    EXPECT_EQ(unnamed, (std::vector<std::string>{"StaticMesh/Texture Package", "Package:", "Group:",
                                                 "Brush Vertex Snap", "Grid:", "Options"}));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Id(), 5001);
    EXPECT_TRUE(picture->WellFormed());
    EXPECT_GT(picture->Width(), 0);
}

TEST_F(OptionsDialogTest, OkRefusesQuotesAndControlCharactersAndTheDialogStaysOpen) {
    // The artist's user: acts on the dialog and reads the message boxes.
    struct Artist : ui::CallbackDriver {
        using CallbackDriver::CallbackDriver;
        int AnswerMessageBox(HWND, std::string_view text, std::string_view, unsigned) override {
            messages.emplace_back(text);
            return ui::IDOK;
        }
        std::vector<std::string> messages;
    };
    ExportOptions options;
    Artist artist([](HWND dialog, int) {
        Click(dialog, kUseMyLevel);
        Type(dialog, kPackage, "My\"Pkg");
        Click(dialog, kOk);
        Type(dialog, kPackage, "MyPkg");
        Type(dialog, kGroup, "Walls\r\nMAP REBUILD");
        Click(dialog, kOk);
        Type(dialog, kGroup, "Walls");
        Click(dialog, kOk);
    });
    ui::ScopedDialogDriver scope(artist);
    EXPECT_EQ(RunOptionsDialog(options, ui::GetMainWindow()), 0);
    EXPECT_EQ(artist.messages, std::vector<std::string>(2, kOptionTextRule));
    EXPECT_EQ(options.Package, "MyPkg");
    EXPECT_EQ(options.Group, "Walls");
    EXPECT_NE(SettingsText().find("\"Group\"=\"Walls\""), std::string::npos);
}
