#pragma once
// The three values of "Unreal Brush" with their controls: the CSG
// operation and the brush type as radio groups, the polygon flags as one
// check box per bit. A choice item's name is the value's name in the
// scene file.

#include "modifiers/ControlTable.h"

#include <cstdint>

namespace brush_values {

using modifier_controls::Choice;
using modifier_controls::ChoiceItem;

inline constexpr ChoiceItem kCsgOperations[] = {
    {1028, "Add", "Add"},
    {1029, "Subtract", "Subtract"},
    {1030, "Intersect", "Intersect"},
    {1031, "Deinter.", "Deintersect"},
};
inline constexpr Choice kCsgOperation{5021, nullptr, "CSG Operation", kCsgOperations};

inline constexpr ChoiceItem kBrushTypes[] = {
    {1029, "Solid", "Solid"},
    {1030, "Semi-Solid", "Semi-Solid"},
    {1031, "Not Solid", "Not Solid"},
};
inline constexpr Choice kBrushType{4922, nullptr, "Type", kBrushTypes};

// The parameter index of a polygon flag is this plus the flag's bit.
constexpr std::int64_t kPolyFlagIndexBase = 4528;

struct PolyFlag {
    int checkBoxId;
    const char* label;
    std::uint32_t bit;
};

inline constexpr PolyFlag kPolyFlags[] = {
    {1001, "Invisible", 0x00000001},       {1002, "Masked", 0x00000002},
    {1003, "Translucent", 0x00000004},     {1004, "Environment", 0x00000010},
    {1006, "Modulated", 0x00000040},       {1007, "Fake Backdrop", 0x00000080},
    {1008, "Two Sided", 0x00000100},       {1009, "Auto Pan U", 0x00000200},
    {1010, "Auto Pan V", 0x00000400},      {1011, "Don't Smooth", 0x00000800},
    {1012, "Big Wavy Pattern", 0x00001000}, {1014, "Small Wavy Pattern", 0x00002000},
    {1015, "Flat surface", 0x00004000},    {1016, "Low Shadow Detail", 0x00008000},
    {1017, "Don't Merge Polys", 0x00010000}, {1018, "Wavy Cloud Pattern", 0x00020000},
    {1019, "Dirty Shadows", 0x00040000},   {1020, "Brighten Corners", 0x00080000},
    {1021, "SpecialLit Lights", 0x00100000}, {1022, "Gouraud Shaded", 0x00200000},
    {1024, "Unlit", 0x00400000},           {1025, "High Shadow Detail", 0x00800000},
    {1026, "Portal", 0x04000000},          {1027, "Mirrored", 0x08000000},
};

// The parameter index of the check box of flag; always fits an int, the
// largest being 4528 + 0x08000000.
constexpr int PolyFlagIndex(const PolyFlag& flag) { return static_cast<int>(kPolyFlagIndexBase + flag.bit); }

// Every bit that a check box can set.
constexpr std::uint32_t AllPolyFlagBits() {
    std::uint32_t bits = 0;
    for (const PolyFlag& flag : kPolyFlags) bits |= flag.bit;
    return bits;
}

}  // namespace brush_values
