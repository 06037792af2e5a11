#include "common/ExportOptions.h"
#include "host/os/Files.h"
#include "tests/exporter/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

const char* const kDefaultListing =
    "Package=myLevel\n"
    "Group=3dsmax\n"
    "UseMyLevel=1\n"
    "MergedImport=0\n"
    "UpdateOnly=0\n"
    "AdjustLight=0\n"
    "BoundBrush=1\n"
    "BuildOnImport=0\n"
    "AltBrushes=1\n"
    "StaticMeshCollision=1\n"
    "SavePackages=0\n"
    "SnapBrushes=0\n"
    "SnapZones=0\n"
    "SnapToSize=2\n";

using ExportOptionsTest = SettingsFileTest;

}  // namespace

TEST_F(ExportOptionsTest, AKeyThatDoesNotExistGivesTheDefaults) {
    EXPECT_EQ(ExportOptions().Listing(), kDefaultListing) << "no settings file";
    EXPECT_FALSE(os::FileExists(SettingsPath())) << "reading creates nothing";

    os::SettingsKey other = os::SettingsKey::Open(SettingsPath(), "SOFTWARE\\other");
    other.SetDword("UseMyLevel", 0);
    ASSERT_TRUE(other.Save());
    EXPECT_EQ(ExportOptions().Listing(), kDefaultListing) << "a file without the key";

    ASSERT_TRUE(os::ReplaceFile(SettingsPath(), "this is no settings file\n\"Package\"=\n"));
    EXPECT_EQ(ExportOptions().Listing(), kDefaultListing) << "a corrupt file";
}

TEST_F(ExportOptionsTest, SaveStoresAllFourteenTypedValuesInOrderAndLoadReadsThemBack) {
    ExportOptions options;
    options.Package = "Castle";
    options.Group = "Walls";
    options.UseMyLevel = 0;
    options.MergedImport = 1;
    options.UpdateOnly = 1;
    options.AdjustLight = 1;
    options.BoundBrush = 0;
    options.BuildOnImport = 1;
    options.AltBrushes = 0;
    options.StaticMeshCollision = 0;
    options.SavePackages = 1;
    options.SnapBrushes = 1;
    options.SnapZones = 1;
    options.SnapToSize = -1;
    ASSERT_TRUE(options.Save());

    const os::SettingsKey key = StoredKey();
    ASSERT_FALSE(key.WasCreated());
    std::string text;
    std::uint32_t number = 0;
    EXPECT_TRUE(key.GetString("Package", text));
    EXPECT_EQ(text, "Castle");
    EXPECT_TRUE(key.GetString("Group", text));
    EXPECT_EQ(text, "Walls");
    EXPECT_FALSE(key.GetDword("Package", number)) << "strings are stored as strings";
    EXPECT_FALSE(key.GetString("SnapToSize", text)) << "numbers are stored as numbers";
    EXPECT_TRUE(key.GetDword("SnapToSize", number));
    EXPECT_EQ(number, 0xFFFFFFFFu);
    EXPECT_TRUE(key.GetDword("SnapZones", number));
    EXPECT_EQ(number, 1u);

    const char* const names[] = {"Package",      "Group",      "UseMyLevel",    "MergedImport", "UpdateOnly",
                                 "AdjustLight",  "BoundBrush", "BuildOnImport", "AltBrushes",   "StaticMeshCollision",
                                 "SavePackages", "SnapBrushes", "SnapZones",    "SnapToSize"};
    const std::string file = SettingsText();
    std::size_t previous = 0;
    for (const char* name : names) {
        const std::size_t at = file.find("\"" + std::string(name) + "\"=");
        ASSERT_NE(at, std::string::npos) << name;
        EXPECT_GE(at, previous) << name << " is out of order";
        previous = at;
    }

    EXPECT_EQ(ExportOptions().Listing(), options.Listing());
}

TEST_F(ExportOptionsTest, AnExistingKeyIsReadValueByValue) {
    os::SettingsKey key = StoredKey();
    key.SetString("Group", std::string(200, 'g'));
    key.SetDword("BoundBrush", 1);
    key.SetString("SnapToSize", "5");
    ASSERT_TRUE(key.Save());

    const ExportOptions options;
    EXPECT_EQ(options.Package, "myLevel") << "a missing string keeps its default";
    EXPECT_EQ(options.Group, std::string(127, 'g')) << "a stored string is cut to 127 characters";
    EXPECT_EQ(options.BoundBrush, 1);
    EXPECT_EQ(options.UseMyLevel, 0) << "a missing number reads as 0";
    EXPECT_EQ(options.AltBrushes, 0);
    EXPECT_EQ(options.SnapToSize, 0) << "a number stored as a string reads as missing";
}
