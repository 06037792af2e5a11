#include "common/Sanitize.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Sanitized(std::string text) {
    Sanitize(text);
    return text;
}

TEST(Sanitize, EngineSyntaxBecomesUnderscoreAndPlusBecomesP) {
    EXPECT_EQ(Sanitized("Wall 2.1[a]+b"), "Wall_2_1_a_Pb");
    EXPECT_EQ(Sanitized("a,b"), "a_b");
    EXPECT_EQ(Sanitized("++"), "PP");
    EXPECT_EQ(Sanitized("Floor01_x-y"), "Floor01_x-y");
    EXPECT_EQ(Sanitized(""), "");
}

TEST(Sanitize, NoNameCanLeaveItsQuotesOrFolder) {
    EXPECT_EQ(Sanitized("x\" PACKAGE=\"Engine"), "x__PACKAGE=_Engine");
    EXPECT_EQ(Sanitized("it's"), "it_s");
    EXPECT_EQ(Sanitized("..\\..\\evil/mesh"), "______evil_mesh");
    EXPECT_EQ(Sanitized("a:b*c?d<e>f|g"), "a_b_c_d_e_f_g");
    EXPECT_EQ(Sanitized(std::string("t\tn\nr\rz\0o\x1f\x7f", 11)), "t_n_r_z_o__");
}

TEST(Sanitize, WindowsLettersAboveAsciiStay) {
    EXPECT_EQ(Sanitized("Caf\xE9 \xC4pfel"), "Caf\xE9_\xC4pfel");
    EXPECT_EQ(Sanitized("\x80\xA0\xFF"), "\x80\xA0\xFF");
}

}  // namespace
