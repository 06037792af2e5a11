#pragma once
// The host's own controls, for plug-in pages: spinner, custom edit, custom
// button and colour swatch. They are window classes like the built-in ones
// (usable in dialog templates once InitCustomControls ran) and are reached
// through handles obtained from their windows. A handle is a plain value:
// nothing to release, and once its window is gone it is false and every
// call on it does nothing.
//
// Each tells its parent about user changes with a message of its own, the
// control's id in the low word of wParam and its window in lParam.

#include "host/ui/Bitmap.h"
#include "host/ui/Window.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

constexpr const char* SPINNER_WINDOW_CLASS = "SpinnerControl";
constexpr const char* CUSTEDIT_WINDOW_CLASS = "CustEdit";
constexpr const char* CUSTBUTTON_WINDOW_CLASS = "CustButton";
constexpr const char* COLORSWATCH_WINDOW_CLASS = "ColorSwatch";

// The spinner's value changed (each step of a drag, a value typed into its
// edit).
constexpr unsigned CC_SPINNER_CHANGE = WM_USER + 600;
// The user pressed a spinner arrow, starting a change.
constexpr unsigned CC_SPINNER_BUTTONDOWN = WM_USER + 601;
// The user's change is complete (arrow released, typed value taken).
constexpr unsigned CC_SPINNER_BUTTONUP = WM_USER + 602;
// The user picked a colour in a swatch.
constexpr unsigned CC_COLOR_CHANGE = WM_USER + 603;
// The user pressed Enter in a custom edit that no spinner is linked to.
constexpr unsigned WM_CUSTEDIT_ENTER = WM_USER + 685;
// WM_COMMAND notification of a custom button: the user released it.
constexpr unsigned BN_BUTTONUP = 8174;

// Registers the four classes; every module that shows them calls it once
// it is loaded (later calls change nothing).
void InitCustomControls();

enum EditSpinnerType { EDITTYPE_INT, EDITTYPE_FLOAT };
// A spinner scale that grows with the value instead of a fixed step.
constexpr float SPIN_AUTOSCALE = -1.0f;

// A numeric value within limits, shown in the edit it is linked to. It is
// an integer or a float spinner as the latest of LinkToEdit and SetLimits
// says; an integer spinner holds whole numbers. A new spinner is a float
// spinner at 0 without limits.
class ISpinnerControl {
public:
    ISpinnerControl() = default;
    explicit operator bool() const;

    // limitCurrent: bring the current value within the new limits at once.
    void SetLimits(int low, int high, bool limitCurrent = true);
    void SetLimits(float low, float high, bool limitCurrent = true);
    // The change per arrow click, or SPIN_AUTOSCALE.
    void SetScale(float step);
    // The edit shows the value from now on, and a value typed into it and
    // entered sets the spinner.
    void LinkToEdit(HWND edit, EditSpinnerType type);
    // The value is limited to the spinner's range; notify sends
    // CC_SPINNER_CHANGE as a user's change would.
    void SetValue(int value, bool notify);
    void SetValue(float value, bool notify);
    int GetIVal() const;
    float GetFVal() const;

private:
    friend ISpinnerControl GetISpinner(HWND window);
    explicit ISpinnerControl(HWND window) : window_(window) {}
    HWND window_ = nullptr;
};

// A text field that reports Enter rather than every keystroke.
class ICustEdit {
public:
    ICustEdit() = default;
    explicit operator bool() const;

    void SetText(std::string_view text);
    // At most maxChars characters.
    std::string GetText(std::size_t maxChars = std::string::npos) const;

private:
    friend ICustEdit GetICustEdit(HWND window);
    explicit ICustEdit(HWND window) : window_(window) {}
    HWND window_ = nullptr;
};

enum CustButType { CBT_PUSH, CBT_CHECK };

// A push button, or a check button that stays pressed in until clicked again.
class ICustButton {
public:
    ICustButton() = default;
    explicit operator bool() const;

    void SetType(CustButType type);
    CustButType GetType() const;
    // Pressed in; only a check button stays so.
    void SetCheck(bool checked);
    bool IsChecked() const;

private:
    friend ICustButton GetICustButton(HWND window);
    explicit ICustButton(HWND window) : window_(window) {}
    HWND window_ = nullptr;
};

// A colour (0x00BBGGRR, black when new) that the user picks.
class IColorSwatch {
public:
    IColorSwatch() = default;
    explicit operator bool() const;

    // notify sends CC_COLOR_CHANGE as a user's pick would.
    void SetColor(COLORREF colour, bool notify);
    COLORREF GetColor() const;

private:
    friend IColorSwatch GetIColorSwatch(HWND window);
    explicit IColorSwatch(HWND window) : window_(window) {}
    HWND window_ = nullptr;
};

// The handle of a control of that class; a false handle for any other window.
ISpinnerControl GetISpinner(HWND window);
ICustEdit GetICustEdit(HWND window);
ICustButton GetICustButton(HWND window);
IColorSwatch GetIColorSwatch(HWND window);

}  // namespace ui
