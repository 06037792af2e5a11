#include "host/ui/CommonDialogs.h"
#include "host/ui/Driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace ui;

namespace {

class AnsweringDriver : public DialogDriver {
public:
    int AnswerMessageBox(HWND, std::string_view text, std::string_view caption, unsigned type) override {
        shown = std::string(caption) + ": " + std::string(text);
        shownType = type;
        return IDNO;
    }
    bool AnswerFileDialog(const FileDialog& request, bool save, std::string& path) override {
        askedTitle = request.title;
        askedToSave = save;
        path = answer;
        return true;
    }
    std::string shown;
    unsigned shownType = 0;
    std::string askedTitle;
    bool askedToSave = false;
    std::string answer;
};

std::string SourceFile(const char* name) {
    return std::string(CORVATRIX_SOURCE_DIR) + "/" + name;
}

}  // namespace

TEST(MessageBoxes, AnswerTheDefaultButtonOrTheDriversChoice) {
    EXPECT_EQ(MessageBox(nullptr, "Save successful", "corvatrix Actor Builder", MB_OK), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "", MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "Go on?", "", MB_OK | MB_DEFBUTTON2 | MB_ICONERROR), IDOK)
        << "a default button beyond the buttons falls back to the first";

    AnsweringDriver driver;
    ScopedDialogDriver scope(driver);
    EXPECT_EQ(MessageBox(nullptr, "Save failed", "corvatrix Actor Builder", MB_OK | MB_ICONERROR), IDNO);
    EXPECT_EQ(driver.shown, "corvatrix Actor Builder: Save failed");
    EXPECT_EQ(driver.shownType, MB_OK | MB_ICONERROR);
}

TEST(FileDialogs, CancelledByDefaultAndCheckedLikeTheSystemsDialogs) {
    FileDialog dialog;
    dialog.title = "Save corvatrix actor...";
    dialog.defaultExtension = "CXA";
    dialog.path = "unchanged";
    EXPECT_FALSE(GetSaveFileName(dialog));
    EXPECT_FALSE(GetOpenFileName(dialog));
    EXPECT_EQ(dialog.path, "unchanged");

    AnsweringDriver driver;
    ScopedDialogDriver scope(driver);
    driver.answer = "/tmp/maps/Door";
    ASSERT_TRUE(GetSaveFileName(dialog));
    EXPECT_EQ(dialog.path, "/tmp/maps/Door.CXA") << "a name without extension gets the default one";
    EXPECT_EQ(driver.askedTitle, "Save corvatrix actor...");
    EXPECT_TRUE(driver.askedToSave);

    driver.answer = "C:\\my.maps\\Door";
    ASSERT_TRUE(GetSaveFileName(dialog));
    EXPECT_EQ(dialog.path, "C:\\my.maps\\Door.CXA") << "a dot in a folder name is no extension";
    driver.answer = "/tmp/Door.cxa";
    ASSERT_TRUE(GetSaveFileName(dialog));
    EXPECT_EQ(dialog.path, "/tmp/Door.cxa");

    dialog.flags = OFN_FILEMUSTEXIST;
    driver.answer = SourceFile("no-such-file.ase");
    EXPECT_FALSE(GetOpenFileName(dialog));
    EXPECT_FALSE(driver.askedToSave);
    EXPECT_TRUE(GetSaveFileName(dialog)) << "only an open dialog insists on an existing file";
    driver.answer = SourceFile("CMakeLists.txt");
    ASSERT_TRUE(GetOpenFileName(dialog));
    EXPECT_EQ(dialog.path, SourceFile("CMakeLists.txt"));

    dialog.flags = 0;
    dialog.maxPath = 10;
    driver.answer = "/tmp/a.txt";
    EXPECT_FALSE(GetOpenFileName(dialog)) << "ten characters need a buffer of eleven";
    driver.answer = "/tmp/a.tx";
    EXPECT_TRUE(GetOpenFileName(dialog));
}
