// Inputs on which the reader fuzz target once found a fault, kept as they
// were found.

#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/ClassNameReader.h"
#include "objects/cxa/EditableReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<char> FromHex(std::string_view hex) {
    std::vector<char> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return bytes;
}

// A class name of 6 bytes without a NUL of its own: the field took 259
// bytes from where it started, reading past the stored text (and past the
// data when the file ended there). Its property count is negative.
TEST(CxaFuzzRegression, ClassNameWithoutNul) {
    const std::vector<char> input = FromHex(
        "3093490406000000456d9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f"
        "9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f"
        "9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f9f"
        "9f9f9f9f9f9f9f9f9f7074790000000000000000000000000000000000000000"
        "00434343434343434343434304499330");
    ASSERT_EQ(input.size(), 144u);
    const std::string_view bytes(input.data(), input.size());
    const std::string stored = "Em\x9f\x9f\x9f\x9f";

    cxa::LibraryClassName className;
    ASSERT_TRUE(cxa::ReadClassName(bytes, className));
    EXPECT_EQ(className.View(), stored);

    cxa::EditableDefinition editable;
    ASSERT_TRUE(cxa::ReadEditable(bytes, editable));
    EXPECT_EQ(editable.className.View(), stored);
    EXPECT_TRUE(editable.properties.empty());

    ActorDef def;
    EXPECT_FALSE(cxa::ReadActorDef(bytes, stored, def));

    // The same class name at the very end of the data.
    const std::string_view header = bytes.substr(0, 14);
    const std::vector<char> exact(header.begin(), header.end());
    ASSERT_TRUE(cxa::ReadClassName(std::string_view(exact.data(), exact.size()), className));
    EXPECT_EQ(className.View(), stored);
}

}  // namespace
