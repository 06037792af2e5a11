#pragma once
// What a trigger saves, clones and restores as one piece: the collision
// cylinder, the display switches, the class and the storage its class's
// property set works on. 324 bytes, as saved scenes hold it.

#include "objects/trigger/TriggerRows.h"

#include <cstdint>

constexpr std::uint16_t kTriggerBlockChunk = 1493;
// "Trigger", the class a new trigger has.
constexpr std::int32_t kDefaultTriggerClass = 6;

struct TriggerBlock {
    float collisionHeight = 40.0f;
    float collisionRadius = 40.0f;
    std::int32_t showCylinder = 0;
    std::int32_t showLink = 0;
    std::int32_t classIndex = kDefaultTriggerClass;
    float floats[trigger_tables::kFloatSlots] = {};
    std::int32_t ints[trigger_tables::kIntSlots] = {};
    char text1[trigger_tables::kTextSize] = {};
    char text2[trigger_tables::kTextSize] = {};
};
static_assert(sizeof(TriggerBlock) == 324, "saved scenes hold the block as 324 bytes");
