#include "host/params/PageLayout.h"

#include <utility>

namespace {

constexpr int kGroupInset = 6;
constexpr int kGroupTitleHeight = 10;
constexpr int kRowHeight = 10;
constexpr int kRowStep = 11;
constexpr int kFieldRowStep = 14;
constexpr int kEditWidth = 32;
constexpr int kSpinnerWidth = 8;
constexpr int kListWidth = 60;
constexpr int kListDropHeight = 80;

}  // namespace

PageLayout::PageLayout(int templateId, std::string title) : templateId_(templateId), title_(std::move(title)) {}

void PageLayout::BeginGroup(std::string title) {
    openGroups_.push_back(controls_.size());
    Add(ui::GroupBox(std::move(title), x_, y_, width_, 0));
    x_ += kGroupInset;
    width_ -= 2 * kGroupInset;
    y_ += kGroupTitleHeight;
}

void PageLayout::EndGroup() {
    ui::DialogControl& box = controls_[openGroups_.back()];
    openGroups_.pop_back();
    box.height = y_ - box.y + 3;
    x_ -= kGroupInset;
    width_ += 2 * kGroupInset;
    y_ = box.y + box.height + 4;
}

void PageLayout::CheckBox(int id, std::string label, bool enabled) {
    ui::DialogControl box = ui::AutoCheckBox(id, std::move(label), x_, y_, width_, kRowHeight);
    if (!enabled) box.style |= ui::WS_DISABLED;
    Add(std::move(box));
    y_ += kRowStep;
}

void PageLayout::Spinner(std::string label, int editId, int spinnerId) {
    const int spinnerX = x_ + width_ - kSpinnerWidth;
    const int editX = spinnerX - kEditWidth;
    Add(ui::Label(std::move(label), x_, y_ + 2, editX - x_ - 2, 8));
    Add(ui::CustEdit(editId, editX, y_, kEditWidth, kRowHeight));
    Add(ui::SpinnerControl(spinnerId, spinnerX, y_, kSpinnerWidth, kRowHeight));
    y_ += kFieldRowStep;
}

void PageLayout::TextField(std::string label, int editId) {
    Add(ui::Label(std::move(label), x_, y_, width_, 8));
    y_ += kRowStep;
    Add(ui::CustEdit(editId, x_, y_, width_, kRowHeight));
    y_ += kFieldRowStep;
}

void PageLayout::DropDown(int id, const std::string& label) {
    const int listX = label.empty() ? x_ : x_ + width_ - kListWidth;
    if (!label.empty()) Add(ui::Label(label, x_, y_ + 2, listX - x_ - 2, 8));
    Add(ui::DropDownList(id, listX, y_, x_ + width_ - listX, kListDropHeight));
    y_ += kFieldRowStep;
}

void PageLayout::RadioButtons(const std::vector<Button>& buttons, std::size_t columns) {
    const std::size_t perColumn = (buttons.size() + columns - 1) / columns;
    const int columnWidth = width_ / static_cast<int>(columns);
    const int top = y_;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int column = static_cast<int>(i / perColumn);
        const int row = static_cast<int>(i % perColumn);
        Add(ui::AutoRadioButton(buttons[i].id, buttons[i].label, x_ + column * columnWidth, top + row * kRowStep,
                                columnWidth, kRowHeight, i == 0 ? ui::WS_GROUP : 0));
    }
    y_ = top + static_cast<int>(perColumn) * kRowStep;
}

ui::DialogTemplate PageLayout::Finish(int height) {
    return ui::DialogTemplate{templateId_, title_, kPageWidth, height > 0 ? height : y_ + 3, controls_};
}
