#pragma once
// The pages that every modifier of the module shows first: the banner, then
// the Advanced, Collision and Display pages of the common actor properties.

#include "modifiers/ClassRollups.h"

constexpr int kBannerPageId = 109;
constexpr int kBannerBitmapId = 110;

// Held once for all three modifier classes.
ClassRollups& CommonRollups();
