// The colour swatch: one colour, picked by the user.

#include "host/ui/CustomControlState.h"

namespace ui {
namespace {

detail::ColorSwatchState* StateOf(HWND swatch) {
    return detail::ControlStateOf<detail::ColorSwatchState>(swatch, COLORSWATCH_WINDOW_CLASS);
}

}  // namespace

IColorSwatch GetIColorSwatch(HWND window) { return StateOf(window) ? IColorSwatch(window) : IColorSwatch(); }

IColorSwatch::operator bool() const { return StateOf(window_) != nullptr; }

void IColorSwatch::SetColor(COLORREF colour, bool notify) {
    detail::ColorSwatchState* swatch = StateOf(window_);
    if (!swatch) return;
    swatch->colour = colour & 0x00FFFFFF;
    if (notify) detail::NotifyParent(window_, CC_COLOR_CHANGE);
}

COLORREF IColorSwatch::GetColor() const {
    const detail::ColorSwatchState* swatch = StateOf(window_);
    return swatch ? swatch->colour : 0;
}

}  // namespace ui
