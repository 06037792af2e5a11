#pragma once
// A loaded actor definition: what the actor helper holds of a CXA file, with
// the current value of each property.

#include "objects/cxa/CxaFormat.h"
#include "objects/cxa/FixedText.h"
#include "objects/cxa/LittleEndian.h"

#include <cstdint>
#include <optional>
#include <vector>

struct ActorPropDef {
    std::int32_t type = cxa::kBoolean;
    std::int32_t defaultValue = 0;
    cxa::FixedText<cxa::kPropertyTextField> name;
    cxa::FixedText<cxa::kPropertyTextField> t3dName;
    cxa::FixedText<cxa::kPropertyTextField> enumValues;
};

// One property's value: an i32, or an f32 for FLOAT properties, in four bytes
// either way, as the scene saves them.
class ValueCell {
public:
    static ValueCell FromInt(std::int32_t value) { return ValueCell(static_cast<std::uint32_t>(value)); }
    static ValueCell FromFloat(float value) { return ValueCell(cxa::FloatBits(value)); }
    std::int32_t AsInt() const { return static_cast<std::int32_t>(bits_); }
    float AsFloat() const { return cxa::FloatFromBits(bits_); }

private:
    explicit ValueCell(std::uint32_t bits) : bits_(bits) {}
    std::uint32_t bits_;
};

struct ActorVertex {
    float x = 0, y = 0, z = 0;
};

// Face values are already in the host mesh's form: the smoothing-group mask,
// and the flags with the material id in the high half and the edge
// visibility bits A (1), B (2) and C (4) in the low bits.
struct ActorFace {
    std::uint32_t verts[3] = {0, 0, 0};
    std::uint32_t smGroup = 0;
    std::uint32_t flags = 0;
};

struct ActorMesh {
    std::vector<ActorVertex> vertices;
    std::vector<ActorFace> faces;
};

struct ActorDef {
    std::vector<ActorPropDef> properties;
    std::vector<ValueCell> values;  // one per property
    std::optional<ActorMesh> mesh;
    // Carried from the file when it has geometry; nothing acts on them.
    std::int32_t renderable = 1;
    std::int32_t wireframe = 0;

    int Count() const { return static_cast<int>(properties.size()); }
};
