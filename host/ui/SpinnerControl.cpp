// The spinner: a value within limits, mirrored in its linked edit.

#include "host/ui/CustomControlState.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ui {
namespace {

detail::SpinnerState* StateOf(HWND spinner) {
    return detail::ControlStateOf<detail::SpinnerState>(spinner, SPINNER_WINDOW_CLASS);
}

// Integers as such; floats with up to three decimals, at least one.
std::string FormatValue(const detail::SpinnerState& spinner) {
    char text[512];  // room for the widest double
    if (spinner.integer) {
        std::snprintf(text, sizeof text, "%ld", std::lround(spinner.value));
        return text;
    }
    std::snprintf(text, sizeof text, "%.3f", spinner.value);
    std::string shown = text;
    while (shown.back() == '0' && shown[shown.size() - 2] != '.') shown.pop_back();
    return shown;
}

void ShowInEdit(const detail::SpinnerState& spinner) {
    if (IsWindow(spinner.edit)) SetWindowText(spinner.edit, FormatValue(spinner));
}

void Store(detail::SpinnerState& spinner, double value) {
    value = std::clamp(value, spinner.low, spinner.high);
    spinner.value = spinner.integer ? std::round(value) : value;
    ShowInEdit(spinner);
}

void ApplyLimits(HWND window, double low, double high, bool integer, bool limitCurrent) {
    detail::SpinnerState* spinner = StateOf(window);
    if (!spinner) return;
    spinner->low = low;
    spinner->high = high;
    spinner->integer = integer;
    if (limitCurrent) Store(*spinner, spinner->value);
}

void ApplyValue(HWND window, double value, bool notify) {
    detail::SpinnerState* spinner = StateOf(window);
    if (!spinner) return;
    Store(*spinner, value);
    if (notify) detail::NotifyParent(window, CC_SPINNER_CHANGE);
}

// The whole text as a number, blanks around it allowed.
bool ParseNumber(std::string_view text, double& number) {
    const std::string copy(text);
    char* end = nullptr;
    number = std::strtod(copy.c_str(), &end);
    if (end == copy.c_str()) return false;
    while (*end == ' ') ++end;
    return *end == '\0' && std::isfinite(number);
}

}  // namespace

ISpinnerControl GetISpinner(HWND window) { return StateOf(window) ? ISpinnerControl(window) : ISpinnerControl(); }

ISpinnerControl::operator bool() const { return StateOf(window_) != nullptr; }

void ISpinnerControl::SetLimits(int low, int high, bool limitCurrent) {
    ApplyLimits(window_, low, high, true, limitCurrent);
}

void ISpinnerControl::SetLimits(float low, float high, bool limitCurrent) {
    ApplyLimits(window_, low, high, false, limitCurrent);
}

void ISpinnerControl::SetScale(float step) {
    if (detail::SpinnerState* spinner = StateOf(window_)) spinner->scale = step;
}

void ISpinnerControl::LinkToEdit(HWND edit, EditSpinnerType type) {
    detail::SpinnerState* spinner = StateOf(window_);
    detail::CustEditState* field = detail::ControlStateOf<detail::CustEditState>(edit, CUSTEDIT_WINDOW_CLASS);
    if (!spinner || !field) return;
    spinner->edit = edit;
    spinner->integer = type == EDITTYPE_INT;
    field->spinner = window_;
    Store(*spinner, spinner->value);
}

void ISpinnerControl::SetValue(int value, bool notify) { ApplyValue(window_, value, notify); }

void ISpinnerControl::SetValue(float value, bool notify) { ApplyValue(window_, value, notify); }

int ISpinnerControl::GetIVal() const {
    const detail::SpinnerState* spinner = StateOf(window_);
    return spinner ? static_cast<int>(std::lround(spinner->value)) : 0;
}

float ISpinnerControl::GetFVal() const {
    const detail::SpinnerState* spinner = StateOf(window_);
    return spinner ? static_cast<float>(spinner->value) : 0.0f;
}

namespace detail {

void UserSetSpinner(HWND spinner, double value) {
    NotifyParent(spinner, CC_SPINNER_BUTTONDOWN);
    ApplyValue(spinner, value, true);
    NotifyParent(spinner, CC_SPINNER_BUTTONUP);
}

double SpinnerStepTarget(HWND window, int clicks) {
    const SpinnerState* spinner = StateOf(window);
    if (!spinner) return 0.0;
    double step = spinner->scale > 0.0f ? spinner->scale : std::max(std::fabs(spinner->value) / 100.0, 0.1);
    if (spinner->integer) step = std::max(1.0, std::round(step));
    return spinner->value + clicks * step;
}

void SpinnerTakeText(HWND window, std::string_view text) {
    SpinnerState* spinner = StateOf(window);
    double number = 0.0;
    if (!spinner) return;
    if (!ParseNumber(text, number)) {
        ShowInEdit(*spinner);
        return;
    }
    ApplyValue(window, number, true);
    NotifyParent(window, CC_SPINNER_BUTTONUP);
}

}  // namespace detail
}  // namespace ui
