#include "actorbuilder/desktop/DialogWindow.h"

#include "actorbuilder/ListView.h"
#include "actorbuilder/desktop/ListTable.h"
#include "host/ui/Dialog.h"
#include "host/ui/UserInput.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>

#include <string>

namespace actorbuilder::desktop {
namespace {

// A drop-down list's template height includes its open list; closed, it is
// as tall as an edit.
constexpr int kDropDownHeight = 20;
// Room above a group box's frame for its title.
constexpr int kGroupTitleRoom = 7;

// Menu item texts treat '/', '\', '&' and '_' as commands; an item shows
// them as they are.
std::string MenuItemText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '/' || c == '\\' || c == '&' || c == '_') escaped.push_back('\\');
        escaped.push_back(c);
    }
    return escaped;
}

std::string ComboItem(ui::HWND combo, int index) {
    const auto length = ui::SendMessage(combo, ui::CB_GETLBTEXTLEN, static_cast<ui::WPARAM>(index), 0);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    ui::SendMessage(combo, ui::CB_GETLBTEXT, static_cast<ui::WPARAM>(index), reinterpret_cast<ui::LPARAM>(text.data()));
    text.resize(text.size() - 1);
    return text;
}

void ShowItems(Fl_Choice& choice, ui::HWND combo) {
    choice.clear();
    const auto count = static_cast<int>(ui::SendMessage(combo, ui::CB_GETCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) choice.add(MenuItemText(ComboItem(combo, index)).c_str());
    choice.value(static_cast<int>(ui::SendMessage(combo, ui::CB_GETCURSEL, 0, 0)));
}

}  // namespace

DialogWindow::DialogWindow(ui::HWND dialog) : dialog_(dialog) {
    const ui::RECT frame = ui::GetWindowRect(dialog);
    window_ = std::make_unique<Fl_Double_Window>(frame.right - frame.left, frame.bottom - frame.top);
    window_->copy_label(ui::GetWindowText(dialog).c_str());
    window_->callback(OnWindowClose, this);
    for (ui::HWND control : ui::GetChildWindows(dialog)) AddControl(control);
    window_->end();
    Refresh();
}

void DialogWindow::AddControl(ui::HWND control) {
    const ui::RECT frame = ui::GetWindowRect(dialog_);
    const ui::RECT rect = ui::GetWindowRect(control);
    const int x = rect.left - frame.left;
    const int y = rect.top - frame.top;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const std::string className = ui::GetClassName(control);
    const unsigned buttonKind = ui::GetWindowStyle(control) & ui::BS_TYPEMASK;

    Fl_Widget* widget = nullptr;
    Kind kind = Kind::kDecoration;
    if (className == ui::WC_BUTTON && buttonKind == ui::BS_GROUPBOX) {
        widget = new Fl_Box(FL_ENGRAVED_FRAME, x, y + kGroupTitleRoom, width, height - kGroupTitleRoom, nullptr);
        widget->align(FL_ALIGN_TOP_LEFT);
    } else if (className == ui::WC_BUTTON) {
        kind = buttonKind == ui::BS_AUTOCHECKBOX ? Kind::kCheckBox : Kind::kPushButton;
        widget = kind == Kind::kCheckBox               ? new Fl_Check_Button(x, y, width, height)
                 : buttonKind == ui::BS_DEFPUSHBUTTON ? new Fl_Return_Button(x, y, width, height)
                                                       : new Fl_Button(x, y, width, height);
    } else if (className == ui::WC_STATIC) {
        widget = new Fl_Box(x, y, width, height);
        widget->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    } else if (className == ui::WC_EDIT) {
        kind = Kind::kEdit;
        widget = new Fl_Input(x, y, width, height);
        widget->when(FL_WHEN_CHANGED);
    } else if (className == ui::WC_COMBOBOX) {
        kind = Kind::kDropDown;
        widget = new Fl_Choice(x, y, width, kDropDownHeight);
    } else if (className == ui::WC_LISTVIEW) {
        kind = Kind::kList;
        widget = new ListTable(control, x, y, width, height);
        widget->when(FL_WHEN_RELEASE);
    } else {
        return;  // no other kind of control is in the Actor Builder's window
    }
    if (kind != Kind::kEdit && kind != Kind::kList) widget->copy_label(ui::GetWindowText(control).c_str());
    if (kind == Kind::kDecoration) return;
    bindings_.push_back(std::make_unique<Binding>(Binding{this, control, kind, widget}));
    widget->callback(OnUserAction, bindings_.back().get());
}

void DialogWindow::OnUserAction(Fl_Widget* widget, void* data) {
    const Binding& binding = *static_cast<Binding*>(data);
    switch (binding.kind) {
    case Kind::kPushButton:
    case Kind::kCheckBox: ui::user::Click(binding.control); break;
    case Kind::kEdit: ui::user::Type(binding.control, static_cast<Fl_Input*>(widget)->value()); break;
    case Kind::kDropDown: ui::user::Pick(binding.control, static_cast<Fl_Choice*>(widget)->value()); break;
    case Kind::kList:
        listview::SelectRow(binding.control, static_cast<ListTable*>(widget)->SelectedTableRow());
        break;
    case Kind::kDecoration: break;
    }
    binding.owner->Refresh();
}

void DialogWindow::OnWindowClose(Fl_Widget*, void* self) {
    // Escape does not close the window: the Actor Builder has no Cancel.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    auto& window = *static_cast<DialogWindow*>(self);
    ui::user::Close(window.dialog_);
    window.Refresh();
}

void DialogWindow::Refresh() {
    for (const auto& binding : bindings_) {
        switch (binding->kind) {
        case Kind::kCheckBox:
            static_cast<Fl_Check_Button*>(binding->widget)
                ->value(ui::SendMessage(binding->control, ui::BM_GETCHECK, 0, 0) == ui::BST_CHECKED);
            break;
        case Kind::kEdit: {
            auto* input = static_cast<Fl_Input*>(binding->widget);
            const std::string text = ui::GetWindowText(binding->control);
            // Setting the same text again would move the cursor.
            if (text != input->value()) input->value(text.c_str());
            break;
        }
        case Kind::kDropDown: ShowItems(*static_cast<Fl_Choice*>(binding->widget), binding->control); break;
        case Kind::kList: static_cast<ListTable*>(binding->widget)->Refresh(); break;
        case Kind::kPushButton:
        case Kind::kDecoration: break;
        }
    }
}

bool DialogWindow::DialogOpen() const { return ui::IsWindow(dialog_) && !ui::IsDialogEnded(dialog_); }

void DialogWindow::Run() {
    int workX = 0, workY = 0, workWidth = 0, workHeight = 0;
    Fl::screen_work_area(workX, workY, workWidth, workHeight);
    window_->position(workX + (workWidth - window_->w()) / 2, workY + (workHeight - window_->h()) / 2);
    window_->show();
    while (DialogOpen() && window_->shown()) Fl::wait();
    window_->hide();
}

}  // namespace actorbuilder::desktop
