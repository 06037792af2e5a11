#pragma once
// Class identifiers: every plug-in class is known to the host by a pair of
// 32-bit numbers and by the super class it belongs to.

#include <cstdint>

using ulong32 = std::uint32_t;
using SClass_ID = std::uint32_t;

class Class_ID {
public:
    constexpr Class_ID() = default;
    constexpr Class_ID(ulong32 a, ulong32 b) : a_(a), b_(b) {}
    constexpr ulong32 PartA() const { return a_; }
    constexpr ulong32 PartB() const { return b_; }
    constexpr bool operator==(const Class_ID& other) const { return a_ == other.a_ && b_ == other.b_; }
    constexpr bool operator!=(const Class_ID& other) const { return !(*this == other); }
    constexpr bool operator<(const Class_ID& other) const {
        return a_ < other.a_ || (a_ == other.a_ && b_ < other.b_);
    }

private:
    ulong32 a_ = 0;
    ulong32 b_ = 0;
};

// Super classes of the host.
constexpr SClass_ID GEOMOBJECT_CLASS_ID = 0x10;
constexpr SClass_ID CAMERA_CLASS_ID = 0x20;
constexpr SClass_ID LIGHT_CLASS_ID = 0x30;
constexpr SClass_ID SHAPE_CLASS_ID = 0x40;
constexpr SClass_ID HELPER_CLASS_ID = 0x50;
constexpr SClass_ID OSM_CLASS_ID = 0x810;
constexpr SClass_ID MATERIAL_CLASS_ID = 0xc00;
constexpr SClass_ID TEXMAP_CLASS_ID = 0xc10;
constexpr SClass_ID CTRL_POSITION_CLASS_ID = 0x9008;
constexpr SClass_ID CTRL_ROTATION_CLASS_ID = 0x9009;
constexpr SClass_ID CTRL_FLOAT_CLASS_ID = 0x9003;
constexpr SClass_ID SCENE_EXPORT_CLASS_ID = 0xa20;
constexpr SClass_ID GEN_DERIVOB_CLASS_ID = 0x2;  // an object with a modifier stack
constexpr SClass_ID BASENODE_CLASS_ID = 0x1;     // scene nodes
