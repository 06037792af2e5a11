#include "objects/cxa/CxaWriter.h"

#include "CxaSamples.h"
#include "host/os/Files.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace std::string_literals;

cxa::DefinitionForm OneByteRow() {
    cxa::DefinitionForm form;
    form.className = "Box";
    form.rows = {{"Hue", "byte", "LightHue", "255", ""}};
    form.renderable = true;
    return form;
}

std::string Encode(const cxa::DefinitionForm& form, const cxa::GeometryAppender& appender = {}) {
    std::string bytes;
    EXPECT_TRUE(cxa::EncodeDefinition(form, appender, bytes));
    return bytes;
}

bool Refused(const cxa::DefinitionForm& form, const cxa::GeometryAppender& appender = {}) {
    std::string bytes = "untouched";
    const bool written = cxa::EncodeDefinition(form, appender, bytes);
    EXPECT_EQ(written ? bytes.substr(0, 4) : bytes, written ? "\x30\x93\x49\x04"s : "untouched"s);
    return !written;
}

TEST(CxaWriter, LaysOutTheFieldsInOrder) {
    const std::string expected =
        "\x30\x93\x49\x04"                    // start magic
        "\x04\0\0\0Box\0"                     // class name
        "\x01\0\0\0"                          // one property
        "\x02\0\0\0\xFF\0\0\0"                // BYTE, default 255
        "\x04\0\0\0Hue\0"                     // name
        "\x09\0\0\0LightHue\0"                // T3D name
        "\x01\0\0\0\0"                        // no enum values
        "\0\0\0\0\x01\0\0\0\0\0\0\0"          // no geometry, renderable, not wireframe
        "\0\0\0\0\0\0\0\0"                    // the two zero counts
        "\x04\x49\x93\x30"s;                  // end magic
    EXPECT_EQ(Encode(OneByteRow()), expected);

    // The geometry block is the appender's, between the check values and the end magic.
    cxa::DefinitionForm withMesh = OneByteRow();
    withMesh.useCustomGeometry = true;
    withMesh.wireframe = true;
    withMesh.asePath = "C:\\meshes\\box.ase";
    std::string seenPath;
    const std::string bytes = Encode(withMesh, [&](std::string_view path, cxa::CxaOutput& out) {
        seenPath = path;
        out.I32(0x11223344);
        return true;
    });
    EXPECT_EQ(seenPath, "C:\\meshes\\box.ase");
    EXPECT_EQ(bytes.substr(expected.size() - 24), "\x01\0\0\0\x01\0\0\0\x01\0\0\0\x44\x33\x22\x11\x04\x49\x93\x30"s);
}

TEST(CxaWriter, RefusesWhatItCannotStoreOrAReaderCannotHold) {
    cxa::DefinitionForm form = OneByteRow();
    form.className = "";
    EXPECT_TRUE(Refused(form));
    form.className = "\0Box"s;
    EXPECT_TRUE(Refused(form));
    form.className = std::string(127, 'C');
    EXPECT_FALSE(Refused(form));
    form.className = std::string(128, 'C');
    EXPECT_TRUE(Refused(form));
    // Counted up to the NUL, as a C text.
    form.className = std::string(127, 'C') + "\0tail"s;
    EXPECT_FALSE(Refused(form));

    const auto refusedRow = [](cxa::PropertyRow row) {
        cxa::DefinitionForm f = OneByteRow();
        f.rows.push_back(std::move(row));
        return Refused(f);
    };
    EXPECT_FALSE(refusedRow({std::string(63, 'n'), "ENUM", std::string(63, 't'), "0", std::string(127, 'e')}));
    EXPECT_TRUE(refusedRow({std::string(64, 'n'), "ENUM", "T", "0", "a"}));
    EXPECT_TRUE(refusedRow({"N", "ENUM", std::string(64, 't'), "0", "a"}));
    EXPECT_TRUE(refusedRow({"N", "ENUM", "T", "0", std::string(128, 'e')}));
    EXPECT_TRUE(refusedRow({"N", "COLOR", "T", "0", ""}));
    EXPECT_TRUE(refusedRow({"N", "", "T", "0", ""}));

    form = OneByteRow();
    form.useCustomGeometry = true;
    const cxa::GeometryAppender accepts = [](std::string_view, cxa::CxaOutput&) { return true; };
    EXPECT_TRUE(Refused(form, accepts));  // empty ASE path
    form.asePath = "box.ase";
    EXPECT_TRUE(Refused(form));  // no ASE reader
    EXPECT_TRUE(Refused(form, [](std::string_view, cxa::CxaOutput&) { return false; }));
    EXPECT_FALSE(Refused(form, accepts));
    // Without custom geometry the path and the appender do not matter.
    form.useCustomGeometry = false;
    form.asePath.clear();
    EXPECT_FALSE(Refused(form, [](std::string_view, cxa::CxaOutput&) { return false; }));
}

TEST(CxaWriter, DefaultTextIsReadAsADecimalInteger) {
    EXPECT_EQ(cxa::DefaultFromText("255"), 255);
    EXPECT_EQ(cxa::DefaultFromText("  -12"), -12);
    EXPECT_EQ(cxa::DefaultFromText("\t+7"), 7);
    EXPECT_EQ(cxa::DefaultFromText("12abc"), 12);
    EXPECT_EQ(cxa::DefaultFromText("007"), 7);
    EXPECT_EQ(cxa::DefaultFromText(""), 0);
    EXPECT_EQ(cxa::DefaultFromText("abc"), 0);
    EXPECT_EQ(cxa::DefaultFromText("-"), 0);
    EXPECT_EQ(cxa::DefaultFromText("- 5"), 0);
    EXPECT_EQ(cxa::DefaultFromText("2147483647"), INT_MAX);
    EXPECT_EQ(cxa::DefaultFromText("-2147483648"), INT_MIN);
    EXPECT_EQ(cxa::DefaultFromText("2147483648"), INT_MAX);
    EXPECT_EQ(cxa::DefaultFromText("-99999999999999999999999"), INT_MIN);
}

TEST(CxaWriter, WritesReplacesAndLeavesFilesAlone) {
    ScratchFolder folder;
    const std::string path = folder / "Actor.cxa";
    ASSERT_TRUE(os::ReplaceFile(path, std::string(5000, 'x')));
    ASSERT_TRUE(cxa::WriteDefinitionFile(path, OneByteRow(), {}));
    EXPECT_EQ(FileContents(path), Encode(OneByteRow()));

    // A refused form does not touch the file of that name.
    cxa::DefinitionForm empty = OneByteRow();
    empty.className.clear();
    EXPECT_FALSE(cxa::WriteDefinitionFile(path, empty, {}));
    EXPECT_EQ(FileContents(path), Encode(OneByteRow()));

    EXPECT_FALSE(cxa::WriteDefinitionFile(folder / "missing/Actor.cxa", OneByteRow(), {}));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Actor.cxa"});
}

}  // namespace
