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
    // The same ties with the largest integer parts a float still carries
    // them at, and the smallest values that are ties (half a millionth lies
    // between them, so they all round down or up as the digits say).
    for (int odd = (1 << 24) - 1; odd > (1 << 24) - 2000; odd -= 2) {
        const float value = static_cast<float>(odd) / 128.0f;
        EXPECT_EQ(Formatted(value), Printed(value));
        EXPECT_EQ(Formatted(-value), Printed(-value));
    }
    EXPECT_EQ(Formatted(131071.9921875f), "131071.992188");
    EXPECT_EQ(Formatted(131071.9765625f), "131071.976562");
    EXPECT_EQ(Formatted(0.0078125f), "0.007812");
    EXPECT_EQ(Formatted(0.0234375f), "0.023438");
    EXPECT_EQ(Formatted(0.0000005f), "0.000000");
    EXPECT_EQ(Formatted(0.0000015f), Printed(0.0000015f));
}

TEST(FloatFormat, MatchesPrintfInEveryBinade) {
    // Every exponent with the smallest, largest and a few other mantissas,
    // both signs: the integer path, its rounding of each shift and the hand
    // over to the general path at 2^64 all meet here.
    std::mt19937 random(11u);
    for (std::uint32_t exponent = 0; exponent < 255; ++exponent) {
        const std::uint32_t randomMantissa = static_cast<std::uint32_t>(random()) & 0x7FFFFFu;
        for (std::uint32_t mantissa : {0u, 1u, 0x400000u, 0x7FFFFFu, randomMantissa}) {
            for (std::uint32_t sign : {0u, 0x80000000u}) {
                const float value = FromBits(sign | exponent << 23 | mantissa);
                EXPECT_EQ(Formatted(value), Printed(value)) << std::hex << (sign | exponent << 23 | mantissa);
            }
        }
    }
    const float twoTo64 = std::ldexp(1.0f, 64);
    for (float value : {std::ldexp(1.0f, 63), std::nextafter(twoTo64, 0.0f), twoTo64, std::nextafter(twoTo64, FLT_MAX),
                        std::ldexp(1.0f, 23) + 0.5f, 16777215.0f, 16777216.0f}) {
        EXPECT_EQ(Formatted(value), Printed(value));
        EXPECT_EQ(Formatted(-value), Printed(-value));
    }
    EXPECT_EQ(Formatted(std::nextafter(twoTo64, 0.0f)), "18446742974197923840.000000");
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
    // Just below and above half a millionth.
    const float halfMillionth = 5e-7f;
    EXPECT_EQ(Formatted(-std::nextafter(halfMillionth, 0.0f)), "0.000000");
    EXPECT_EQ(Formatted(-std::nextafter(halfMillionth, 1.0f)), Printed(-std::nextafter(halfMillionth, 1.0f)));
    // The first negative values that print a digit keep their sign.
    EXPECT_EQ(Formatted(-5.1e-7f), "-0.000001");
    EXPECT_EQ(Formatted(-0.000001f), "-0.000001");
}

TEST(LongFormat, PaddedToAFieldAsPrintf) {
    auto padded = [](std::int32_t value, int width) {
        char text[textout::kLongTextMax];
        return std::string(text, textout::FormatPaddedLong(text, value, width));
    };
    EXPECT_EQ(padded(3, 5), "    3");
    EXPECT_EQ(padded(-12, 5), "  -12");
    EXPECT_EQ(padded(7, 2), " 7");
    EXPECT_EQ(padded(-1, 2), "-1");
    EXPECT_EQ(padded(123456, 5), "123456");
    EXPECT_EQ(padded(-1234, 5), "-1234");
    EXPECT_EQ(padded(std::numeric_limits<std::int32_t>::min(), 6), "-2147483648");
    std::mt19937 random(5u);
    for (int i = 0; i < 10000; ++i) {
        // Mostly short numbers, so that padding happens, with either sign.
        const auto value = static_cast<std::int32_t>(random()) >> (random() % 32);
        for (int width : {0, 1, 2, 5, 6, 11}) {
            char printed[32];
            std::snprintf(printed, sizeof printed, "%*ld", width, static_cast<long>(value));
            EXPECT_EQ(padded(value, width), printed);
        }
    }
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
