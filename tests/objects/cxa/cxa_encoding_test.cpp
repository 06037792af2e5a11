#include "objects/cxa/CxaFormat.h"
#include "objects/cxa/CxaInput.h"
#include "objects/cxa/CxaOutput.h"
#include "objects/cxa/FixedText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(CxaEncoding, FieldsAreLittleEndianAndStringsCountTheirNul) {
    cxa::CxaOutput out;
    out.String("Box");
    EXPECT_EQ(out.Bytes(), "\x04\0\0\0Box\0"s);

    cxa::CxaOutput empty;
    empty.String("");
    EXPECT_EQ(empty.Bytes(), "\x01\0\0\0\0"s);

    cxa::CxaOutput numbers;
    numbers.U32(cxa::kStartMagic);
    numbers.U32(cxa::kEndMagic);
    numbers.I32(-2);
    numbers.F32(5.0f);
    EXPECT_EQ(numbers.Bytes(), "\x30\x93\x49\x04\x04\x49\x93\x30\xFE\xFF\xFF\xFF\x00\x00\xA0\x40"s);
}

TEST(CxaEncoding, InputReadsWholeFieldsOnly) {
    const std::string bytes = "\xFE\xFF\xFF\xFF\x00\x00\xA0\x40\x04\0\0\0Box\0\x07"s;
    cxa::CxaInput in(bytes);
    std::int32_t i = 0;
    float f = 0;
    std::string_view stored;
    ASSERT_TRUE(in.I32(i));
    EXPECT_EQ(i, -2);
    ASSERT_TRUE(in.F32(f));
    EXPECT_EQ(f, 5.0f);
    ASSERT_TRUE(in.String(stored));
    EXPECT_EQ(stored, "Box\0"s);
    // One byte left: no 32-bit field fits, and a failed read does not move on.
    EXPECT_FALSE(in.I32(i));
    EXPECT_EQ(in.Remaining(), 1u);

    // A length beyond the data, or of 0 or less, reads nothing.
    for (const std::string& bad : {"\x05\0\0\0Box\0"s, "\0\0\0\0"s, "\xFF\xFF\xFF\xFF\0"s}) {
        cxa::CxaInput cut(bad);
        EXPECT_FALSE(cut.String(stored)) << bad.size();
        EXPECT_EQ(cut.Remaining(), bad.size());
    }
}

TEST(CxaEncoding, FixedTextKeepsItsCapacityAndNul) {
    cxa::FixedText<4> field;
    EXPECT_EQ(field.View(), "");
    field.Assign("Box\0"s);
    EXPECT_EQ(field.View(), "Box");
    field.Assign("Boxes");
    EXPECT_EQ(field.View(), "Box");
    EXPECT_EQ(field.View().data()[3], '\0');
    // Embedded NUL ends the text; a shorter text leaves no rest of the old one.
    // A text without a NUL of its own ends where its bytes end.
    field.Assign(std::string_view("abXYZ").substr(0, 2));
    EXPECT_EQ(field.View(), "ab");
    field.Assign("a\0bc"s);
    EXPECT_EQ(field.View(), "a");
    EXPECT_EQ(std::string(field.View().data(), 4), "a\0\0\0"s);
}

TEST(CxaFormat, TypeNamesAndCodes) {
    const char* names[] = {"BOOLEAN", "INTEGER", "BYTE", "FLOAT", "ENUM", "COLOUR"};
    for (std::int32_t code = 0; code < cxa::kPropTypeCount; ++code) {
        EXPECT_EQ(cxa::PropTypeName(code), names[code]);
        EXPECT_EQ(cxa::PropTypeCode(names[code]), code);
    }
    EXPECT_EQ(cxa::PropTypeCode("float"), cxa::kFloat);
    EXPECT_EQ(cxa::PropTypeCode("Colour"), cxa::kColour);
    EXPECT_EQ(cxa::PropTypeCode("COLOR"), -1);
    EXPECT_EQ(cxa::PropTypeCode("BOOL"), -1);
    EXPECT_EQ(cxa::PropTypeCode(""), -1);
    EXPECT_EQ(cxa::PropTypeName(-1), "");
    EXPECT_EQ(cxa::PropTypeName(6), "");
}

TEST(CxaFormat, EnumItemsArePiecesBetweenCommas) {
    using Items = std::vector<std::string_view>;
    EXPECT_EQ(cxa::EnumItems("Low,Medium,High"), (Items{"Low", "Medium", "High"}));
    EXPECT_EQ(cxa::EnumItems("a,,c"), (Items{"a", "", "c"}));
    EXPECT_EQ(cxa::EnumItems(" a , b"), (Items{" a ", " b"}));
    EXPECT_EQ(cxa::EnumItems(",x,"), (Items{"", "x", ""}));
    EXPECT_EQ(cxa::EnumItems(""), (Items{""}));
    EXPECT_EQ(cxa::EnumItems("a,b,c").at(2), "c");
}

}  // namespace
