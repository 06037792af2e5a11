#pragma once
// The host class ids of this system's own classes. The exporter recognises
// the other modules' objects and modifiers in the scene by these alone.

#include "host/core/ClassId.h"

constexpr Class_ID T3D_EXPORTER_CLASS_ID(0x28DA703E, 0x1185C790);
constexpr Class_ID ACTOR_HELPER_CLASS_ID(0x2E232425, 0x3C934383);
constexpr Class_ID TRIGGER_HELPER_CLASS_ID(0x1EE32445, 0x5C9F4F84);
constexpr Class_ID CXMOD_CLASS_ID(0x037470A5, 0x49300493);
constexpr Class_ID BRUSH_MODIFIER_CLASS_ID(0x07F407A5, 0x6FD552AE);
constexpr Class_ID MOVER_MODIFIER_CLASS_ID(0x06F407A5, 0x7FD552AE);
