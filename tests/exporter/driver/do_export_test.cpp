#include "common/T3dWriter.h"
#include "common/ExportOptions.h"
#include "exporter/OptionsDialogResource.h"
#include "exporter/T3dExporter.h"
#include "host/os/Settings.h"
#include "host/scene/BoxObject.h"
#include "host/scene/Interface.h"
#include "host/scene/Scene.h"
#include "host/ui/Dialog.h"
#include "host/ui/Driver.h"
#include "host/ui/UserInput.h"
#include "host/ui/Window.h"
#include "tests/common/ScratchFolder.h"
#include "tests/common/WinePath.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class RecordingProgress : public ProgressDisplay {
public:
    void Start(const std::string& title) override { titles.push_back(title); }
    void Update(int percent, const std::string&) override { percents.push_back(percent); }
    void End() override { ++ends; }

    std::vector<std::string> titles;
    std::vector<int> percents;
    int ends = 0;
};

class DoExport : public ::testing::Test {
protected:
    void SetUp() override {
        os::SetSettingsFilePath(folder / "settings.ini");
        options = std::make_unique<ExportOptions>();
        ip->SetScene(&scene);
        ip->SetProgressDisplay(&progress);
        ip->SetCancel(false);
        ip->SetClipboardText("");
    }
    void TearDown() override {
        ip->SetScene(nullptr);
        ip->SetProgressDisplay(nullptr);
        ip->SetCancel(false);
        os::SetSettingsFilePath("");
    }

    SceneNode* AddBox(const std::string& name, Point3 position, float width = 10) {
        SceneNode* node = scene.GetRootNode()->AddChild(name);
        node->SetObject(scene.Adopt(new BoxObject(10, width, 10)));
        node->SetPosition(position);
        return node;
    }
    int Run(const std::string& path, unsigned long flags = 0) {
        T3dExporter exporter(*options);
        ExpInterface ei{&scene};
        return exporter.DoExport(path.c_str(), &ei, ip, false, flags);
    }
    std::string Map() { return FileContents(folder / "Level.t3d"); }

    ScratchFolder folder;
    Scene scene;
    Interface* ip = GetCoreInterface();
    RecordingProgress progress;
    std::unique_ptr<ExportOptions> options;
};

TEST_F(DoExport, WritesMapAndScriptLeavesNoTemporaryFileAndHandsOverTheCommand) {
    std::string completionText;
    ui::CallbackDriver driver([&](ui::HWND dialog, int templateId) {
        if (templateId == 3000) completionText = ui::GetDlgItemText(dialog, 5001);
    });
    ui::ScopedDialogDriver scoped(driver);

    ASSERT_EQ(Run(folder / "Level.t3d"), 1);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Level.exec", "Level.t3d"}));
    std::string map = Map();
    EXPECT_EQ(map.rfind("Begin Map\r\n", 0), 0u);
    EXPECT_NE(map.find("Begin Actor Class=Brush Name=cxActiveBrush\r\n"), std::string::npos);
    EXPECT_NE(map.find("End Map\r\n"), std::string::npos);
    EXPECT_EQ(FileContents(folder / "Level.exec"),
              "MAP IMPORT FILE=\"" + WinePath(folder.Path() + "/Level.t3d") + "\"\r\n");

    std::string command = "EXEC \"" + WinePath(folder.Path() + "/Level.exec") + "\"";
    EXPECT_EQ(ip->GetClipboardText(), command);
    EXPECT_EQ(completionText, command);
    EXPECT_EQ(progress.titles, std::vector<std::string>{"corvatrix export in progress..."});
    EXPECT_EQ(progress.ends, 1);
}

TEST_F(DoExport, BoundingBrushSpansTheGeometryWithAMarginAndMirroredX) {
    // An empty scene still holds the origin: -128..128 on every axis.
    ASSERT_EQ(Run(folder / "Level.t3d"), 1);
    EXPECT_NE(Map().find("\t\t\t\tOrigin   -128.000000,-128.000000,-128.000000\r\n"), std::string::npos);

    // Host X from -100 to 300 becomes engine X from -428 to 228.
    AddBox("Wide", Point3(100, 0, 0), 400);
    ASSERT_EQ(Run(folder / "Level.t3d"), 1);
    std::string map = Map();
    EXPECT_NE(map.find("Begin Actor Class=Brush Name=cxBoundBrush"), std::string::npos);
    EXPECT_NE(map.find("Origin   -428.000000,-133.000000,-128.000000"), std::string::npos);
    EXPECT_NE(map.find("Vertex   228.000000,"), std::string::npos);

    options->BoundBrush = 0;
    ASSERT_EQ(Run(folder / "Level.t3d"), 1);
    EXPECT_EQ(Map().find("cxBoundBrush"), std::string::npos);
}

TEST_F(DoExport, CancelledOptionsWriteNothingAndUnwritableFolderFails) {
    {
        ui::CallbackDriver cancel([](ui::HWND dialog, int templateId) {
            if (templateId == options_dialog::kTemplateId) ui::user::Click(ui::GetDlgItem(dialog, options_dialog::kCancel));
        });
        ui::ScopedDialogDriver scoped(cancel);
        EXPECT_EQ(Run(folder / "Level.t3d"), 1);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{});
    }
    EXPECT_EQ(Run(folder / "missing/Level.t3d"), 0);
    EXPECT_EQ(ip->GetClipboardText(), "");
}

TEST_F(DoExport, CancelStopsTheWalkButFinishesTheMap) {
    AddBox("A", Point3(0, 0, 0));
    AddBox("B", Point3(0, 0, 0));
    ip->SetCancel(true);
    ASSERT_EQ(Run(folder / "Level.t3d"), 1);
    EXPECT_TRUE(progress.percents.empty());
    std::string map = Map();
    EXPECT_NE(map.find("\tBegin Surface\r\n\tEnd Surface\r\nEnd Map\r\n"), std::string::npos);
    EXPECT_FALSE(os::FileExists(folder / "Level._3d"));
}

TEST_F(DoExport, SelectedOnlyCountsSelectedNodesForTheProgress) {
    AddBox("A", Point3(0, 0, 0))->SetSelected(true);
    AddBox("B", Point3(0, 0, 0));
    AddBox("C", Point3(0, 0, 0))->SetSelected(true);
    ASSERT_EQ(Run(folder / "Level.t3d", SCENE_EXPORT_SELECTED), 1);
    EXPECT_EQ(progress.percents, (std::vector<int>{0, 50}));

    progress.percents.clear();
    ASSERT_EQ(Run(folder / "Level.t3d"), 1);
    EXPECT_EQ(progress.percents, (std::vector<int>{0, 33, 66}));
}

}  // namespace
