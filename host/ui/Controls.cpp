// The built-in control classes' answers to the messages sent to them: check
// state of buttons, items and selection of lists, the picture of a static.

#include "host/ui/WindowRecord.h"

#include <cstring>

namespace ui::detail {
namespace {

// Combo boxes and list boxes behave alike under different message numbers.
struct ListMessages {
    unsigned add;
    unsigned reset;
    unsigned setSelection;
    unsigned getSelection;
    unsigned getText;
    unsigned getTextLength;
    unsigned getCount;
    INT_PTR error;
};

constexpr ListMessages kComboBoxMessages{CB_ADDSTRING,    CB_RESETCONTENT, CB_SETCURSEL, CB_GETCURSEL,
                                         CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_GETCOUNT,  CB_ERR};
constexpr ListMessages kListBoxMessages{LB_ADDSTRING, LB_RESETCONTENT, LB_SETCURSEL, LB_GETCURSEL,
                                        LB_GETTEXT,   LB_GETTEXTLEN,   LB_GETCOUNT,  LB_ERR};

// An index travels in wParam; -1 arrives as the largest value.
bool ItemIndex(const WindowRecord& list, WPARAM wParam, std::size_t& index) {
    index = static_cast<std::size_t>(wParam);
    return index < list.items.size();
}

INT_PTR ListMessage(WindowRecord& list, const ListMessages& codes, unsigned message, WPARAM wParam, LPARAM lParam) {
    std::size_t index = 0;
    if (message == codes.add) {
        const char* text = reinterpret_cast<const char*>(lParam);
        list.items.emplace_back(text ? text : "");
        return static_cast<INT_PTR>(list.items.size() - 1);
    }
    if (message == codes.reset) {
        list.items.clear();
        list.selection = -1;
        return 0;
    }
    if (message == codes.setSelection) {
        // Like the system's lists: an index out of range clears the selection.
        list.selection = ItemIndex(list, wParam, index) ? static_cast<int>(index) : -1;
        return list.selection >= 0 ? list.selection : codes.error;
    }
    if (message == codes.getSelection) return list.selection >= 0 ? list.selection : codes.error;
    if (message == codes.getCount) return static_cast<INT_PTR>(list.items.size());
    if (message == codes.getTextLength)
        return ItemIndex(list, wParam, index) ? static_cast<INT_PTR>(list.items[index].size()) : codes.error;
    if (message == codes.getText) {
        char* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || !ItemIndex(list, wParam, index)) return codes.error;
        const std::string& item = list.items[index];
        std::memcpy(buffer, item.c_str(), item.size() + 1);
        return static_cast<INT_PTR>(item.size());
    }
    return 0;
}

INT_PTR ButtonMessage(WindowRecord& button, unsigned message, WPARAM wParam) {
    if (message == BM_GETCHECK) return button.check;
    if (message == BM_SETCHECK) button.check = static_cast<unsigned>(wParam);
    return 0;
}

INT_PTR StaticMessage(WindowRecord& control, unsigned message, LPARAM lParam) {
    const Bitmap* previous = control.image;
    if (message == STM_SETIMAGE) control.image = reinterpret_cast<const Bitmap*>(lParam);
    if (message == STM_SETIMAGE || message == STM_GETIMAGE) return reinterpret_cast<INT_PTR>(previous);
    return 0;
}

}  // namespace

INT_PTR ControlMessage(WindowRecord& control, unsigned message, WPARAM wParam, LPARAM lParam) {
    if (IsClass(control, WC_BUTTON)) return ButtonMessage(control, message, wParam);
    if (IsClass(control, WC_COMBOBOX)) return ListMessage(control, kComboBoxMessages, message, wParam, lParam);
    if (IsClass(control, WC_LISTBOX)) return ListMessage(control, kListBoxMessages, message, wParam, lParam);
    if (IsClass(control, WC_STATIC)) return StaticMessage(control, message, lParam);
    return 0;
}

}  // namespace ui::detail
