#pragma once
// The common actor properties of "Unreal Properties" (and of the brush and
// mover modifiers, which carry them too): the flags and values of its
// Advanced, Collision and Display pages.
//
// The property block is 80 words: life span, collision height, collision
// radius, surface type, ambient glow, max lights, style, cull distance, then
// 72 flag slots. A flag's parameter index is its slot.

#include "modifiers/ControlTable.h"

namespace common_properties {

using modifier_controls::Choice;
using modifier_controls::ChoiceItem;
using modifier_controls::Flag;
using modifier_controls::Spinner;

constexpr int kFlagSlots = 72;

inline constexpr Flag kAdvancedFlags[] = {
    {0, 1035, "Can teleport", "bCanTeleport", 0},
    {1, 1036, "Collide when placing", "bCollideWhenPlacing", 0},
    {2, 1037, "Directional", "bDirectional", 0},
    {3, 1038, "Ed should snap", "bEdShouldSnap", 1},
    {4, 1039, "Game relevant", "bGameRelevant", 0},
    {5, 1040, "Hidden", "bHidden", 0},
    {6, 1042, "Hidden Ed", "bHiddenEd", 0},
    {7, 1041, "Hidden Ed group", "bHiddenEdGroup", 0},
    {8, 1043, "High detail", "bHighDetail", 0},
    {9, 1044, "Lock location", "bLockLocation", 0},
    {10, 1045, "Movable", "bMovable", 1},
    {11, 1079, "Net notify", "bNetNotify", 0},
    {12, 1047, "Base at startup", "bShouldBaseAtStartup", 0},
    {13, 1048, "Stasis", "bStasis", 0},
    {14, 1049, "Super high detail", "bSuperHighDetail", 0},
};

inline constexpr Flag kCollisionFlags[] = {
    {24, 1052, "Align to terrain", "bAutoAlignToTerrain", 0},
    {25, 1053, "Block actors", "bBlockActors", 1},
    {26, 1054, "Block Karma", "bBlockKarma", 1},
    {27, 1055, "Blk. non-zero extent", "bBlockNonZeroExtentTraces", 1},
    {28, 1056, "Block players", "bBlockPlayers", 1},
    {29, 1057, "Block zero extent", "bBlockZeroExtentTraces", 1},
    {30, 1058, "Collide actors", "bCollideActors", 1},
    {31, 1059, "Collide world", "bCollideWorld", 0},
    {32, 1060, "Path colliding", "bPathColliding", 0},
    {33, 1061, "Proj. Target", "bProjTarget", 0},
    {34, 1062, "Use cylinder collision", "bUseCylinderCollision", 0},
};

inline constexpr Flag kDisplayFlags[] = {
    {48, 1080, "Accepts projectors", "bAcceptsProjectors", 1},
    {49, 1081, "Always face camera", "bAlwaysFaceCamera", 0},
    {50, 1082, "Disable sorting", "bDisableSorting", 0},
    {51, 1083, "Shadow cast", "bShadowCast", 1},
    {52, 1084, "Static lighting", "bStaticLight", 1},
    {53, 1024, "Unlit", "bUnlit", 0},
    {54, 1086, "Use dynamic lights", "bUseDynamicLights", 1},
    {55, 1087, "Use lighting from base", "bUseLightingFromBase", 0},
};

constexpr int kAdvancedPageId = 106;

// The Advanced page's "No delete" box: shown disabled, bound to nothing.
constexpr int kNoDeleteCheckBox = 1046;
constexpr const char* kNoDeleteLabel = "No delete";

inline constexpr Spinner kLifeSpan{1050, "LifeSpan", "Life Span:", ui::EDITTYPE_FLOAT, 1050, 1051,
                                   -10000.0f, 10000.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kCollisionHeight{1063, "CollisionHeight", "Col. Height:", ui::EDITTYPE_FLOAT, 1063, 1064,
                                          -10000.0f, 10000.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kCollisionRadius{1065, "CollisionRadius", "Col. Radius:", ui::EDITTYPE_FLOAT, 1065, 1066,
                                          -10000.0f, 10000.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kAmbientGlow{1085, "AmbientGlow", "Amb. glow:", ui::EDITTYPE_INT, 1085, 1088,
                                      0.0f, 255.0f, 1.0f};
inline constexpr Spinner kCullDistance{1089, "CullDistance", "Cull Dist.:", ui::EDITTYPE_FLOAT, 1089, 1090,
                                       -10000.0f, 10000.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kMaxLights{1091, "MaxLights", "Max lights:", ui::EDITTYPE_INT, 1091, 1092,
                                    0.0f, 255.0f, 1.0f};

inline constexpr ChoiceItem kSurfaceTypes[] = {
    {1067, "Default", "EST_Default"}, {1068, "Rock", "EST_Rock"},   {1069, "Dirt", "EST_Dirt"},
    {1070, "Metal", "EST_Metal"},     {1071, "Wood", "EST_Wood"},   {1072, "Plant", "EST_Plant"},
    {1073, "Flesh", "EST_Flesh"},     {1074, "Ice", "EST_Ice"},     {1075, "Snow", "EST_Snow"},
    {1076, "Water", "EST_Water"},     {1077, "Glass", "EST_Glass"},
};
inline constexpr Choice kSurfaceType{1078, "SurfaceType", "Surface Type", kSurfaceTypes};

inline constexpr ChoiceItem kStyles[] = {
    {1093, "Normal", "STY_Normal"},       {1094, "Masked", "STY_Masked"},     {1095, "Translcnt", "STY_Translucent"},
    {1096, "Mod.", "STY_Modulated"},      {1097, "Alpha", "STY_Alpha"},       {1098, "Additive", "STY_Additive"},
    {1099, "Subtract", "STY_Subtractive"}, {1100, "Particle", "STY_Particle"}, {1101, "Alpha Z", "STY_AlphaZ"},
};
inline constexpr Choice kStyle{1102, "Style", "Style", kStyles};

// One rollup page: its flags, then its spinners, then its choice, in the
// order of its control table.
struct Page {
    int templateId;
    const char* title;
    ConstList<Flag> flags;
    ConstList<Spinner> spinners;
    const Choice* choice;  // null for none
};

inline constexpr Spinner kAdvancedSpinners[] = {kLifeSpan};
inline constexpr Spinner kCollisionSpinners[] = {kCollisionHeight, kCollisionRadius};
inline constexpr Spinner kDisplaySpinners[] = {kAmbientGlow, kCullDistance, kMaxLights};

inline constexpr Page kPages[] = {
    {kAdvancedPageId, "Advanced", kAdvancedFlags, kAdvancedSpinners, nullptr},
    {107, "Collision", kCollisionFlags, kCollisionSpinners, &kSurfaceType},
    {108, "Display", kDisplayFlags, kDisplaySpinners, &kStyle},
};

}  // namespace common_properties
