#pragma once
// Class ids of the classes the host itself implements. Plug-ins recognise
// host objects, materials and controllers by these; the numbers other
// modules test for are fixed, the rest only need to be distinct.

#include "host/core/ClassId.h"

// Objects.
constexpr Class_ID TRIOBJ_CLASS_ID(9, 0);  // triangle mesh; the editable mesh is this class itself
constexpr Class_ID POLYOBJ_CLASS_ID(0x4E0C7A51, 0x2B9D1F63);
constexpr Class_ID BOXOBJ_CLASS_ID(0x0C7A0010, 0);
constexpr Class_ID DUMMY_CLASS_ID(0x876234, 0);
constexpr Class_ID SPLINESHAPE_CLASS_ID(0x0C7A0040, 0);
constexpr Class_ID CAMERA_OBJ_CLASS_ID(0x0C7A0020, 0);
constexpr Class_ID DERIVOB_CLASS_ID(0x0C7A0002, 0);

// Lights.
constexpr Class_ID OMNI_LIGHT_CLASS_ID(0x1011, 0);
constexpr Class_ID SPOT_LIGHT_CLASS_ID(0x1012, 0);   // target spot
constexpr Class_ID FSPOT_LIGHT_CLASS_ID(0x1014, 0);  // free spot
constexpr Class_ID DIR_LIGHT_CLASS_ID(0x1013, 0);

// Materials and texture maps.
constexpr Class_ID STANDARD_MTL_CLASS_ID(2, 0);
constexpr Class_ID MULTI_MTL_CLASS_ID(0x200, 0);
constexpr Class_ID SHELL_MTL_CLASS_ID(0x255, 0);
constexpr Class_ID OTHER_MTL_CLASS_ID(0x0C7A0C00, 0);
constexpr Class_ID BITMAP_TEX_CLASS_ID(0x240, 0);
constexpr Class_ID CHECKER_TEX_CLASS_ID(0x0C7A0C10, 0);

// Modifiers.
constexpr Class_ID OTHER_MODIFIER_CLASS_ID(0x0C7A0810, 0);

// Controllers.
constexpr Class_ID LININTERP_FLOAT_CLASS_ID(0x2001, 0);
constexpr Class_ID BEZIER_FLOAT_CLASS_ID(0x2007, 0);
constexpr Class_ID TCB_FLOAT_CLASS_ID(0x442311, 0);
constexpr Class_ID POSITION_XYZ_CLASS_ID(0x0C7A9008, 1);
constexpr Class_ID SINGLE_POSITION_CLASS_ID(0x0C7A9008, 2);

// Scene nodes.
constexpr Class_ID SCENE_NODE_CLASS_ID(0x0C7A0001, 0);
