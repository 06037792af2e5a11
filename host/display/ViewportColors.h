#pragma once
// The host's fixed viewport colours (red, green, blue from 0 to 1) and the
// conversion of a node's wire colour to them.

#include "host/math/Point3.h"

#include <cstdint>

// Selected nodes are drawn white, frozen ones grey.
constexpr Point3 GetSelColor() { return {1.0f, 1.0f, 1.0f}; }
constexpr Point3 GetFreezeColor() { return {0.53f, 0.53f, 0.53f}; }

// A wire colour 0x00BBGGRR as colour components: each byte times 1/256.
constexpr Point3 ColorFromWire(std::uint32_t rgb) {
    constexpr float unit = 1.0f / 256.0f;
    return {static_cast<float>(rgb & 0xFFu) * unit, static_cast<float>((rgb >> 8) & 0xFFu) * unit,
            static_cast<float>((rgb >> 16) & 0xFFu) * unit};
}
