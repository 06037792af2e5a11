#pragma once
// "Unreal Brush": tags a mesh as a CSG brush of the level, with its CSG
// operation, brush type and polygon flags, besides the common actor
// properties. The exporter reads the three values from the contract's
// fields.

#include "modifiers/CommonProperties.h"

class CORVATRIX_CONTRACT UnrealBrushModifier final : public CommonProperties<BrushModifier> {
public:
    static constexpr const char* kClassName = "Unreal Brush";
    static constexpr const char* kInternalName = "cxBrushMod";
    static constexpr Class_ID kClassId = BRUSH_MODIFIER_CLASS_ID;
    static constexpr std::uint16_t kChunkId = 0x11B0;

    // A polygon flag's index toggles its bit whatever value is passed: the
    // check box's map sends one call per click.
    using CommonProperties::GetValue;
    using CommonProperties::SetValue;
    bool SetValue(int index, TimeValue t, int value) override;
    bool GetValue(int index, TimeValue t, int& value) override;

    void BeginEditParams(Interface* ip, unsigned flags, Animatable* prev) override;
    void EndEditParams(Interface* ip, unsigned flags, Animatable* next) override;

    std::string GetClassName() const override;
    Animatable* Clone(RemapDir& remap) override;
    // Brushes and movers are meshes of the level.
    Class_ID InputType() const override { return TRIOBJ_CLASS_ID; }

protected:
    void SaveOwnChunk(ISave& isave) const override;
    bool LoadOwnChunk(ILoad& iload, IOResult& result) override;
};
