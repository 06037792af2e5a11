#include "host/ui/Window.h"

#include "host/ui/WindowRecord.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace ui {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<std::string>& KnownClasses() {
    static std::vector<std::string> classes{WC_BUTTON,  WC_EDIT,     WC_STATIC, WC_COMBOBOX,
                                            WC_LISTBOX, WC_LISTVIEW, WC_DIALOG};
    return classes;
}

const std::string* FindClass(std::string_view className) {
    for (const std::string& known : KnownClasses())
        if (SameName(known, className)) return &known;
    return nullptr;
}

struct WindowTable {
    std::unordered_map<std::uintptr_t, std::unique_ptr<detail::WindowRecord>> records;
    std::uintptr_t lastHandle = 0;
};

WindowTable& Windows() {
    static WindowTable table;
    return table;
}

bool IsChild(const detail::WindowRecord& window) { return (window.style & WS_CHILD) != 0; }

void SetStyleBit(detail::WindowRecord& window, unsigned bit, bool on) {
    window.style = on ? (window.style | bit) : (window.style & ~bit);
}

}  // namespace

namespace detail {

WindowRecord* Record(HWND window) {
    auto& records = Windows().records;
    auto found = records.find(reinterpret_cast<std::uintptr_t>(window));
    return found == records.end() ? nullptr : found->second.get();
}

bool IsClass(const WindowRecord& window, const char* className) { return window.className == className; }

}  // namespace detail

bool RegisterWindowClass(std::string_view className) {
    if (className.empty() || FindClass(className)) return false;
    KnownClasses().emplace_back(className);
    return true;
}

HWND CreateWindow(std::string_view className, std::string_view text, unsigned style, int x, int y, int width,
                  int height, HWND parent, int id) {
    const std::string* knownClass = FindClass(className);
    detail::WindowRecord* parentRecord = detail::Record(parent);
    if (!knownClass || ((style & WS_CHILD) && !parentRecord)) return nullptr;

    WindowTable& table = Windows();
    auto record = std::make_unique<detail::WindowRecord>();
    record->handle = reinterpret_cast<HWND>(++table.lastHandle);
    record->className = *knownClass;
    record->text = std::string(text);
    record->style = style;
    record->id = id;
    record->parent = parentRecord ? parent : nullptr;
    record->rect = RECT{x, y, x + width, y + height};
    HWND handle = record->handle;
    if (IsChild(*record)) parentRecord->children.push_back(handle);
    table.records.emplace(table.lastHandle, std::move(record));
    return handle;
}

bool DestroyWindow(HWND window) {
    detail::WindowRecord* record = detail::Record(window);
    if (!record || record->destroying) return false;
    record->destroying = true;
    SendMessage(window, WM_DESTROY, 0, 0);

    // The procedure may have destroyed children itself: take them afresh.
    for (HWND child : GetChildWindows(window)) DestroyWindow(child);

    if (detail::WindowRecord* parentRecord = detail::Record(record->parent); parentRecord && IsChild(*record)) {
        auto& siblings = parentRecord->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    Windows().records.erase(reinterpret_cast<std::uintptr_t>(window));
    return true;
}

bool IsWindow(HWND window) { return detail::Record(window) != nullptr; }

HWND GetParent(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record && IsWindow(record->parent) ? record->parent : nullptr;
}

std::vector<HWND> GetChildWindows(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->children : std::vector<HWND>{};
}

HWND GetDlgItem(HWND parent, int id) {
    for (HWND child : GetChildWindows(parent))
        if (detail::Record(child)->id == id) return child;
    return nullptr;
}

int GetDlgCtrlID(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->id : 0;
}

std::string GetClassName(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->className : std::string();
}

unsigned GetWindowStyle(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->style : 0;
}

bool SetWindowText(HWND window, std::string_view text) {
    detail::WindowRecord* record = detail::Record(window);
    if (!record) return false;
    record->text = std::string(text);
    return true;
}

std::string GetWindowText(HWND window, std::size_t maxChars) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->text.substr(0, maxChars) : std::string();
}

bool EnableWindow(HWND window, bool enable) {
    detail::WindowRecord* record = detail::Record(window);
    if (!record) return false;
    const bool wasDisabled = (record->style & WS_DISABLED) != 0;
    SetStyleBit(*record, WS_DISABLED, !enable);
    return wasDisabled;
}

bool IsWindowEnabled(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record && (record->style & WS_DISABLED) == 0;
}

bool ShowWindow(HWND window, int command) {
    detail::WindowRecord* record = detail::Record(window);
    if (!record) return false;
    const bool wasVisible = (record->style & WS_VISIBLE) != 0;
    SetStyleBit(*record, WS_VISIBLE, command != SW_HIDE);
    return wasVisible;
}

bool IsWindowVisible(HWND window) {
    for (const detail::WindowRecord* record = detail::Record(window); record;
         record = IsChild(*record) ? detail::Record(record->parent) : nullptr) {
        if ((record->style & WS_VISIBLE) == 0) return false;
    }
    return IsWindow(window);
}

RECT GetWindowRect(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    if (!record) return RECT{};
    RECT rect = record->rect;
    if (IsChild(*record)) {
        const RECT parentRect = GetWindowRect(record->parent);
        rect = RECT{rect.left + parentRect.left, rect.top + parentRect.top, rect.right + parentRect.left,
                    rect.bottom + parentRect.top};
    }
    return rect;
}

bool MoveWindow(HWND window, int x, int y, int width, int height) {
    detail::WindowRecord* record = detail::Record(window);
    if (!record) return false;
    record->rect = RECT{x, y, x + width, y + height};
    return true;
}

void SetWindowUserData(HWND window, LPARAM data) {
    if (detail::WindowRecord* record = detail::Record(window)) record->userData = data;
}

LPARAM GetWindowUserData(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->userData : 0;
}

void SetControlState(HWND window, std::shared_ptr<void> state) {
    if (detail::WindowRecord* record = detail::Record(window)) record->controlState = std::move(state);
}

void* GetControlState(HWND window) {
    const detail::WindowRecord* record = detail::Record(window);
    return record ? record->controlState.get() : nullptr;
}

INT_PTR SendMessage(HWND window, unsigned message, WPARAM wParam, LPARAM lParam) {
    detail::WindowRecord* record = detail::Record(window);
    if (!record) return 0;
    if (record->proc) return record->proc(window, message, wParam, lParam);
    return detail::ControlMessage(*record, message, wParam, lParam);
}

}  // namespace ui
