#pragma once
// The mover's own values of "Unreal Mover" with their controls on the
// "Mover Properties" page: three times, four choices in drop-down lists,
// two key numbers and nine flags.
//
// The four choices have no control of the page's parameter map; the page's
// own procedure fills and reads their lists. They still have parameter
// indices, so that the procedure and the scene file reach them through the
// modifier's parameter array like every other value.

#include "modifiers/ControlTable.h"

namespace mover_values {

using modifier_controls::Choice;
using modifier_controls::ChoiceItem;
using modifier_controls::Flag;
using modifier_controls::Spinner;

inline constexpr Spinner kDamageThreshold{2138, "DamageThreshold", "Damage", ui::EDITTYPE_FLOAT, 1034, 1037,
                                          0.0f, 100.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kDelayTime{2139, "DelayTime", "Delay", ui::EDITTYPE_FLOAT, 1035, 1038,
                                    0.0f, 100.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kStayOpenTime{2140, "StayOpenTime", "Stay Open", ui::EDITTYPE_FLOAT, 1036, 1039,
                                       0.0f, 100.0f, ui::SPIN_AUTOSCALE};
inline constexpr Spinner kWorldRtKey{2147, nullptr, "World RT Key", ui::EDITTYPE_INT, 1043, 1044,
                                     0.0f, 255.0f, 1.0f};
inline constexpr Spinner kBrushRtKey{2149, nullptr, "Brush RT Key", ui::EDITTYPE_INT, 1045, 1046,
                                     0.0f, 255.0f, 1.0f};

inline constexpr Spinner kTimes[] = {kDamageThreshold, kDelayTime, kStayOpenTime};
inline constexpr Spinner kRtKeys[] = {kWorldRtKey, kBrushRtKey};

// In the order of the block's flag words; the first eight have map lines.
inline constexpr Flag kFlags[] = {
    {1104, 1027, "Damaged Triggered", "bDamageTriggered", 0},
    {1105, 1028, "Dynamic Light", "bDynamicLightMover", 0},
    {1106, 1029, "Oscillating Loop", "bOscillatingLoop", 0},
    {1107, 1030, "Toggle Direction", "bToggleDirection", 1},
    {1108, 1031, "Trigger Only Only", "bTriggerOnceOnly", 0},
    {1109, 1032, "Shortest Rotation", "bUseShortestRotation", 0},
    {1110, 1033, "Use Triggered", "bUseTriggered", 0},
    {1111, 1040, "Slave", "bSlave", 0},
    {1112, 1109, "Is Leader", nullptr, 0},
};
inline constexpr const Flag& kIsLeader = kFlags[8];

// List entries have no button: a list shows each name without its prefix.
inline constexpr ChoiceItem kEncroachTypes[] = {
    {0, nullptr, "ME_StopWhenEncroached"},
    {0, nullptr, "ME_ReturnWhenEncroached"},
    {0, nullptr, "ME_CrushWhenEncroached"},
    {0, nullptr, "ME_IgnoreWhenEncroached"},
};
inline constexpr ChoiceItem kGlideTypes[] = {
    {0, nullptr, "MV_MoveByTime"},
    {0, nullptr, "MV_GlideByTime"},
};
inline constexpr ChoiceItem kBumpTypes[] = {
    {0, nullptr, "BT_PlayerBump"},
    {0, nullptr, "BT_PawnBump"},
    {0, nullptr, "BT_AnyBump"},
};
inline constexpr ChoiceItem kInitialStates[] = {
    {0, nullptr, "None"},           {0, nullptr, "RotatingMover"},    {0, nullptr, "LeadInOutLooper"},
    {0, nullptr, "ConstantLoop"},   {0, nullptr, "BumpButton"},       {0, nullptr, "TriggerPound"},
    {0, nullptr, "TriggerControl"}, {0, nullptr, "TriggerToggle"},    {0, nullptr, "LoopMove"},
    {0, nullptr, "TriggerOpenTimed"}, {0, nullptr, "BumpOpenTimed"}, {0, nullptr, "StandOpenTimed"},
};

inline constexpr Choice kEncroachType{2141, "MoverEncroachType", "Encroach Type:", kEncroachTypes};
inline constexpr Choice kGlideType{2142, "MoverGlideType", "Glide Type:", kGlideTypes};
inline constexpr Choice kBumpType{2143, "PlayerBumpEvent", "Bump Type:", kBumpTypes};
inline constexpr Choice kInitialState{2144, "InitialState", "Initial State", kInitialStates};

struct ChoiceList {
    int listId;
    Choice choice;
};

// In the order of their map lines.
inline constexpr ChoiceList kChoiceLists[] = {
    {1106, kEncroachType},
    {1108, kGlideType},
    {1110, kBumpType},
    {1107, kInitialState},
};

}  // namespace mover_values
