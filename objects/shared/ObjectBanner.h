#pragma once
// The picture on top of the helper objects' main rollups.

#include "host/ui/DialogTemplate.h"

constexpr int kObjectBannerBitmapId = 130;
// Dialog units: the full width of a rollup page.
constexpr int kObjectPageWidth = 108;
constexpr int kObjectBannerHeight = 24;

// A bitmap control across the top of a page.
ui::DialogControl ObjectBannerControl();
