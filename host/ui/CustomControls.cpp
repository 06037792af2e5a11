#include "host/ui/CustomControls.h"

namespace ui {

void InitCustomControls() {
    for (const char* className :
         {SPINNER_WINDOW_CLASS, CUSTEDIT_WINDOW_CLASS, CUSTBUTTON_WINDOW_CLASS, COLORSWATCH_WINDOW_CLASS})
        RegisterWindowClass(className);
}

}  // namespace ui
