#include "host/ui/Bitmap.h"
#include "host/ui/DialogTemplate.h"
#include "host/ui/MainWindow.h"
#include "host/ui/StringTable.h"

#include <gtest/gtest.h>

using namespace ui;

TEST(StringTable, LoadsTextsById) {
    const StringTable table{{1, "T3D"}, {2, "Level map"}, {3, nullptr}};
    EXPECT_EQ(table.Load(1), "T3D");
    EXPECT_EQ(table.Load(2), "Level map");
    EXPECT_EQ(table.Load(3), "");
    EXPECT_EQ(table.Load(4), "");
}

TEST(Bitmap, DecodesRowsThroughItsPalette) {
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x00563412u);

    const Bitmap picture(7, {{'.', RGB(255, 255, 255)}, {'r', RGB(200, 0, 0)}}, {"..r", "r.."});
    EXPECT_EQ(picture.Id(), 7);
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_TRUE(picture.WellFormed());
    EXPECT_EQ(picture.Pixel(2, 0), RGB(200, 0, 0));
    EXPECT_EQ(picture.Pixel(0, 1), RGB(200, 0, 0));
    EXPECT_EQ(picture.Pixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(picture.Pixel(3, 0), RGB(0, 0, 0)) << "outside the picture";

    EXPECT_FALSE(Bitmap(1, {{'.', 1}}, {"..", "."}).WellFormed()) << "a short row";
    EXPECT_FALSE(Bitmap(1, {{'.', 1}}, {"..", "..."}).WellFormed()) << "a long row";
    const Bitmap unknown(1, {{'.', 1}}, {".?"});
    EXPECT_FALSE(unknown.WellFormed());
    EXPECT_EQ(unknown.Pixel(1, 0), RGB(0, 0, 0));
}

TEST(DialogUnits, MapToPixelsOfTheDialogFont) {
    const RECT pixels = MapDialogRect(RECT{1, 3, 236, 134});
    EXPECT_EQ(pixels.left, 2) << "1.5 rounds up";
    EXPECT_EQ(pixels.top, 5) << "4.875 rounds to 5";
    EXPECT_EQ(pixels.right, 354);
    EXPECT_EQ(pixels.bottom, 218);
}

TEST(CenterWindow, CentresOverTheGivenWindowOrTheMainWindow) {
    HWND main = GetMainWindow();
    EXPECT_EQ(GetMainWindow(), main);
    const RECT mainRect = GetWindowRect(main);
    EXPECT_EQ(mainRect.right - mainRect.left, 1280);
    EXPECT_EQ(mainRect.bottom - mainRect.top, 1024);

    HWND dialog = CreateWindow(WC_DIALOG, "", WS_VISIBLE, 0, 0, 100, 50, main, 0);
    CenterWindow(dialog, nullptr);
    RECT rect = GetWindowRect(dialog);
    EXPECT_EQ(rect.left, 590);
    EXPECT_EQ(rect.top, 487);
    EXPECT_EQ(rect.right, 690);

    MoveWindow(main, 100, 200, 400, 300);
    CenterWindow(dialog, main);
    rect = GetWindowRect(dialog);
    EXPECT_EQ(rect.left, 250);
    EXPECT_EQ(rect.top, 325);

    // A child is centred in screen terms but positioned relative to its parent.
    HWND child = CreateWindow(WC_STATIC, "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 10, dialog, 1);
    CenterWindow(child, dialog);
    rect = GetWindowRect(child);
    EXPECT_EQ(rect.left, 290);
    EXPECT_EQ(rect.top, 345);
    DestroyWindow(dialog);
    MoveWindow(main, 0, 0, 1280, 1024);
}
