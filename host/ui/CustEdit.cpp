// The custom edit: its text is the window text.

#include "host/ui/CustomControlState.h"

namespace ui {
namespace {

bool IsCustEdit(HWND window) { return GetClassName(window) == CUSTEDIT_WINDOW_CLASS; }

}  // namespace

ICustEdit GetICustEdit(HWND window) { return IsCustEdit(window) ? ICustEdit(window) : ICustEdit(); }

ICustEdit::operator bool() const { return IsCustEdit(window_); }

void ICustEdit::SetText(std::string_view text) {
    if (IsCustEdit(window_)) SetWindowText(window_, text);
}

std::string ICustEdit::GetText(std::size_t maxChars) const {
    return IsCustEdit(window_) ? GetWindowText(window_, maxChars) : std::string();
}

}  // namespace ui
