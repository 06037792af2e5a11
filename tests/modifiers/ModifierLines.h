#pragma once
// What the modifiers write into an export's writer, and the lines a new
// modifier must write, exactly as the map carries them.

#include "tests/common/MapText.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The 42 common property lines of a new modifier.
inline const std::vector<std::string>& DefaultCommonLines() {
    static const std::vector<std::string> lines{
        "bCanTeleport=False",       "bCollideWhenPlacing=False",  "bDirectional=False",
        "bEdShouldSnap=True",       "bGameRelevant=False",        "bHidden=False",
        "bHiddenEd=False",          "bHiddenEdGroup=False",       "bHighDetail=False",
        "bLockLocation=False",      "bMovable=True",              "bNetNotify=False",
        "bShouldBaseAtStartup=False", "bStasis=False",            "bSuperHighDetail=False",
        "LifeSpan=0.000000",        "bAutoAlignToTerrain=False",  "bBlockActors=True",
        "bBlockKarma=True",         "bBlockNonZeroExtentTraces=True", "bBlockPlayers=True",
        "bBlockZeroExtentTraces=True", "bCollideActors=True",     "bCollideWorld=False",
        "bPathColliding=False",     "bProjTarget=False",          "bUseCylinderCollision=False",
        "CollisionHeight=1.000000", "CollisionRadius=1.000000",   "SurfaceType=EST_Default",
        "bAcceptsProjectors=True",  "bAlwaysFaceCamera=False",    "bDisableSorting=False",
        "bShadowCast=True",         "bStaticLight=True",          "bUnlit=False",
        "bUseDynamicLights=True",   "bUseLightingFromBase=False", "AmbientGlow=0",
        "MaxLights=4",              "CullDistance=0.000000",      "Style=STY_Normal",
    };
    return lines;
}

// The fifteen lines of a new mover modifier's own operation.
inline const std::vector<std::string>& DefaultMoverLines() {
    static const std::vector<std::string> lines{
        "bDamageTriggered=False",
        "bDynamicLightMover=False",
        "bOscillatingLoop=False",
        "bToggleDirection=True",
        "bTriggerOnceOnly=False",
        "bUseShortestRotation=False",
        "bUseTriggered=False",
        "bSlave=False",
        "DamageThreshold=0.000000",
        "DelayTime=0.000000",
        "StayOpenTime=4.000000",
        "MoverEncroachType=ME_ReturnWhenEncroached",
        "MoverGlideType=MV_GlideByTime",
        "PlayerBumpEvent=BT_PlayerBump",
        "InitialState=\"BumpOpenTimed\"",
    };
    return lines;
}

// The lines with one line replaced: the line starting with "key=" becomes
// "key=value".
inline std::vector<std::string> WithLine(std::vector<std::string> lines, const std::string& key,
                                         const std::string& value) {
    bool found = false;
    for (std::string& line : lines) {
        if (line.compare(0, key.size() + 1, key + "=") == 0) {
            line = key + "=" + value;
            found = true;
        }
    }
    EXPECT_TRUE(found) << "no line " << key;
    return lines;
}
