#pragma once
// Dialog resources as tables in code. Positions and sizes are dialog units,
// as in the system's own dialog descriptions; the builders below add what a
// resource script's statement of the same kind implies (a visible child,
// the class, the kind of button).

#include "host/ui/Window.h"

#include <string>
#include <vector>

namespace ui {

class Bitmap;

struct DialogControl {
    int id = IDC_STATIC;
    std::string className;
    std::string text;
    unsigned style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    const Bitmap* image = nullptr;  // the picture of a bitmap static
};

struct DialogTemplate {
    int id = 0;
    std::string title;
    int width = 0;
    int height = 0;
    std::vector<DialogControl> controls;
};

DialogControl PushButton(int id, std::string text, int x, int y, int width, int height);
DialogControl DefPushButton(int id, std::string text, int x, int y, int width, int height);
DialogControl AutoCheckBox(int id, std::string text, int x, int y, int width, int height);
// extraStyle: WS_GROUP on the first button of a group.
DialogControl AutoRadioButton(int id, std::string text, int x, int y, int width, int height, unsigned extraStyle = 0);
DialogControl GroupBox(std::string text, int x, int y, int width, int height);
DialogControl Label(std::string text, int x, int y, int width, int height, unsigned extraStyle = SS_LEFT);
DialogControl EditText(int id, int x, int y, int width, int height, unsigned extraStyle = ES_AUTOHSCROLL);
DialogControl DropDownList(int id, int x, int y, int width, int height);
DialogControl ListBox(int id, int x, int y, int width, int height);
DialogControl BitmapControl(const Bitmap& image, int x, int y, int width, int height);
// The host's custom controls (CustomControls.h).
DialogControl SpinnerControl(int id, int x, int y, int width, int height);
DialogControl CustEdit(int id, int x, int y, int width, int height);
DialogControl CustButton(int id, std::string text, int x, int y, int width, int height);
DialogControl ColorSwatch(int id, std::string text, int x, int y, int width, int height);

// Dialog units to pixels, with the base units of the system's 8-point
// dialog font (6 by 13 pixels).
RECT MapDialogRect(const RECT& dialogUnits);

}  // namespace ui
