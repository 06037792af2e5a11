#pragma once
// Evaluation of a list of keys: before the first key its value, after the
// last the last value, linear in between, exactly a key's value at its time.

#include "host/core/TimeValue.h"

#include <algorithm>
#include <vector>

template <class Value>
struct TimedKey {
    TimeValue time;
    Value value;
};

// keys: ascending in time, at least one.
template <class Value>
Value InterpolateKeys(const std::vector<TimedKey<Value>>& keys, TimeValue t) {
    const auto next = std::upper_bound(keys.begin(), keys.end(), t,
                                       [](TimeValue time, const TimedKey<Value>& key) { return time < key.time; });
    if (next == keys.begin()) return keys.front().value;
    if (next == keys.end()) return keys.back().value;
    const TimedKey<Value>& before = *(next - 1);
    const float fraction =
        static_cast<float>(t - before.time) / static_cast<float>(next->time - before.time);
    return before.value + (next->value - before.value) * fraction;
}

// Keeps the keys in time order; a key at the time of an existing one replaces it.
template <class Value>
void InsertKey(std::vector<TimedKey<Value>>& keys, TimeValue time, const Value& value) {
    const auto at = std::lower_bound(keys.begin(), keys.end(), time,
                                     [](const TimedKey<Value>& key, TimeValue when) { return key.time < when; });
    if (at != keys.end() && at->time == time) {
        at->value = value;
    } else {
        keys.insert(at, TimedKey<Value>{time, value});
    }
}
