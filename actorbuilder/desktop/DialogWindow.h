#pragma once
// A desktop window for a modal dialog of the window layer: an FLTK widget
// per control, at the control's place. What the user does to a widget is
// done to the control through ui::user (so the dialog procedure runs as it
// does under any driver), and after each action every widget shows its
// control's state again.

#include "host/ui/Window.h"

#include <FL/Fl_Double_Window.H>

#include <memory>
#include <vector>

namespace actorbuilder::desktop {

class DialogWindow {
public:
    explicit DialogWindow(ui::HWND dialog);
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Shows the window and handles events until the dialog has ended.
    void Run();

private:
    enum class Kind { kPushButton, kCheckBox, kEdit, kDropDown, kList, kDecoration };
    struct Binding {
        DialogWindow* owner;
        ui::HWND control;
        Kind kind;
        Fl_Widget* widget;
    };

    void AddControl(ui::HWND control);
    static void OnUserAction(Fl_Widget* widget, void* binding);
    static void OnWindowClose(Fl_Widget* window, void* self);
    void Refresh();
    bool DialogOpen() const;

    ui::HWND dialog_;
    std::unique_ptr<Fl_Double_Window> window_;
    std::vector<std::unique_ptr<Binding>> bindings_;
};

}  // namespace actorbuilder::desktop
