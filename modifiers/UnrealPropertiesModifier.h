#pragma once
// "Unreal Properties": the common actor properties on any node, for the
// actor that the node becomes.

#include "modifiers/CommonProperties.h"

class CORVATRIX_CONTRACT UnrealPropertiesModifier final : public CommonProperties<CXMod> {
public:
    static constexpr const char* kClassName = "Unreal Properties";
    static constexpr const char* kInternalName = "cxPropMod";
    static constexpr Class_ID kClassId = CXMOD_CLASS_ID;

    std::string GetClassName() const override;
    Animatable* Clone(RemapDir& remap) override;
};
