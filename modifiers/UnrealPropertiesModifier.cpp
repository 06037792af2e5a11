#include "modifiers/UnrealPropertiesModifier.h"

std::string UnrealPropertiesModifier::GetClassName() const { return kClassName; }

Animatable* UnrealPropertiesModifier::Clone(RemapDir& remap) { return CloneOf(*this, remap); }
