// Formats ten million floats of map-like magnitudes and reports the output
// rate, once with the float formatter and once with the C library's
// snprintf, so that a change to the formatter shows its cost.

#include "common/NumberFormat.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kValueCount = 10'000'000;

struct Result {
    double seconds;
    std::size_t bytes;
};

template <typename Format>
Result Measure(const std::vector<float>& values, Format format) {
    char text[512];
    std::size_t bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (float value : values) bytes += format(text, value);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), bytes};
}

void Report(const char* name, const Result& result) {
    std::printf("%-12s %8.3f s  %10.1f MB/s  %8.1f ns/value\n", name, result.seconds,
                static_cast<double>(result.bytes) / result.seconds / 1e6, result.seconds * 1e9 / kValueCount);
}

}  // namespace

int main() {
    // Coordinates of a level: mostly thousands of units with a fraction,
    // some unit vectors.
    std::mt19937 random(1u);
    std::uniform_real_distribution<float> coordinate(-20000.0f, 20000.0f);
    std::uniform_real_distribution<float> direction(-1.0f, 1.0f);
    std::vector<float> values(kValueCount);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = i % 4 ? coordinate(random) : direction(random);

    Report("FormatFloat", Measure(values, [](char* text, float value) {
               return static_cast<std::size_t>(textout::FormatFloat(text, value) - text);
           }));
    Report("snprintf", Measure(values, [](char* text, float value) {
               return static_cast<std::size_t>(std::snprintf(text, 512, "%04f", static_cast<double>(value)));
           }));
    return 0;
}
