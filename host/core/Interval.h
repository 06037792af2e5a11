#pragma once
// A span of scene time, both ends included: how long a value holds.

#include "host/core/TimeValue.h"

#include <limits>

class Interval {
public:
    constexpr Interval(TimeValue start, TimeValue end) : start_(start), end_(end) {}

    constexpr TimeValue Start() const { return start_; }
    constexpr TimeValue End() const { return end_; }
    constexpr bool InInterval(TimeValue t) const { return t >= start_ && t <= end_; }

private:
    TimeValue start_;
    TimeValue end_;
};

constexpr TimeValue TIME_NegInfinity = std::numeric_limits<TimeValue>::min();
constexpr TimeValue TIME_PosInfinity = std::numeric_limits<TimeValue>::max();
// All of time.
constexpr Interval FOREVER(TIME_NegInfinity, TIME_PosInfinity);
