#include "common/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Formatted(float value) {
    char text[textout::kFloatTextMax];
    return std::string(text, textout::FormatFloat(text, value));
}

// What the C library prints for "%04f", minus the sign of a printed zero.
std::string Printed(float value) {
    char text[512];
    std::snprintf(text, sizeof text, "%04f", static_cast<double>(value));
    std::string printed = text;
    return printed == "-0.000000" ? "0.000000" : printed;
}

float FromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(FloatFormat, MatchesPrintfOverAllMagnitudes) {
    // Random bit patterns reach every exponent, the denormals, the
    // infinities and NaNs with either sign.
    std::mt19937 random(20240607u);
    int mismatches = 0;
    for (int i = 0; i < 1000000 && mismatches < 10; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        const float value = FromBits(bits);
        const std::string formatted = Formatted(value);
        if (formatted != Printed(value)) {
            ++mismatches;
            ADD_FAILURE() << "bits " << std::hex << bits << ": " << formatted << " vs " << Printed(value);
        }
    }
}

TEST(FloatFormat, MatchesPrintfNearRoundingTies) {
    // Values from 0 to 100 a few steps away from k + 0.5 millionths, where
    // the rounding of the sixth decimal flips.
    std::mt19937 random(7u);
    std::uniform_int_distribution<int> millionths(0, 99999999);
    std::uniform_int_distribution<int> steps(-3, 3);
    int mismatches = 0;
    for (int i = 0; i < 200000 && mismatches < 10; ++i) {
        float value = static_cast<float>((millionths(random) + 0.5) * 1e-6);
        for (int step = steps(random); step != 0; step += step > 0 ? -1 : 1) {
            value = std::nextafter(value, step > 0 ? FLT_MAX : -FLT_MAX);
        }
        if (i % 2) value = -value;
        if (Formatted(value) != Printed(value)) {
            ++mismatches;
            ADD_FAILURE() << Formatted(value) << " vs " << Printed(value);
        }
    }
    // Odd multiples of 1/128 are the exact ties: the digit after the sixth
    // decimal is a 5 followed by nothing, and both round to even.
    for (int odd = 1; odd < (1 << 20); odd += 2 * 37) {
        const float value = static_cast<float>(odd) / 128.0f;
        EXPECT_EQ(Formatted(value), Printed(value));
        EXPECT_EQ(Formatted(-value), Printed(-value));
    }
    EXPECT_EQ(Formatted(0.0078125f), "0.007812");
    EXPECT_EQ(Formatted(0.0234375f), "0.023438");
    EXPECT_EQ(Formatted(0.0000005f), "0.000000");
    EXPECT_EQ(Formatted(0.0000015f), Printed(0.0000015f));
}

TEST(FloatFormat, ExtremesAndSpecialValues) {
    EXPECT_EQ(Formatted(256.0f), "256.000000");
    EXPECT_EQ(Formatted(-1.0f), "-1.000000");
    EXPECT_EQ(Formatted(0.5f), "0.500000");
    EXPECT_EQ(Formatted(-0.25f), "-0.250000");
    EXPECT_EQ(Formatted(FLT_MAX), "340282346638528859811704183484516925440.000000");
    EXPECT_EQ(Formatted(-FLT_MAX), "-340282346638528859811704183484516925440.000000");
    EXPECT_EQ(Formatted(1e30f), Printed(1e30f));
    EXPECT_EQ(Formatted(FLT_MIN), "0.000000");
    EXPECT_EQ(Formatted(std::numeric_limits<float>::denorm_min()), "0.000000");

    const float infinity = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(Formatted(infinity), " inf");
    EXPECT_EQ(Formatted(-infinity), "-inf");
    EXPECT_EQ(Formatted(nan), " nan");
    EXPECT_EQ(Formatted(-nan), "-nan");
    for (float special : {infinity, -infinity, nan, -nan}) EXPECT_EQ(Formatted(special), Printed(special));
}

TEST(FloatFormat, NegativeValuesThatRoundToZeroHaveNoSign) {
    EXPECT_EQ(Formatted(-0.0f), "0.000000");
    EXPECT_EQ(Formatted(-1e-9f), "0.000000");
    EXPECT_EQ(Formatted(-4.9e-7f), "0.000000");
    EXPECT_EQ(Formatted(-std::numeric_limits<float>::denorm_min()), "0.000000");
    EXPECT_EQ(Formatted(-FLT_MIN), "0.000000");
    // The first negative values that print a digit keep their sign.
    EXPECT_EQ(Formatted(-5.1e-7f), "-0.000001");
    EXPECT_EQ(Formatted(-0.000001f), "-0.000001");
}

TEST(LongFormat, MatchesPrintf) {
    auto formatted = [](std::int32_t value) {
        char text[textout::kLongTextMax];
        return std::string(text, textout::FormatLong(text, value));
    };
    EXPECT_EQ(formatted(0), "0");
    EXPECT_EQ(formatted(-1), "-1");
    EXPECT_EQ(formatted(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(formatted(std::numeric_limits<std::int32_t>::max()), "2147483647");
    std::mt19937 random(3u);
    for (int i = 0; i < 10000; ++i) {
        const auto value = static_cast<std::int32_t>(random());
        char printed[32];
        std::snprintf(printed, sizeof printed, "%ld", static_cast<long>(value));
        EXPECT_EQ(formatted(value), printed);
    }
}

}  // namespace
