#pragma once
// Lays out the modifiers' rollup pages: controls stacked in rows down a
// page 108 dialog units wide, inside group boxes that close around what
// they hold.

#include "host/ui/DialogTemplate.h"
#include "modifiers/ControlTable.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class PageLayout {
public:
    static constexpr int kPageWidth = 108;

    PageLayout(int templateId, std::string title);

    // A group box around the rows added until the matching EndGroup.
    void BeginGroup(std::string title);
    void EndGroup();

    void CheckBox(int id, std::string label, bool enabled = true);
    void CheckBoxes(ConstList<modifier_controls::Flag> flags);
    // The label, the edit and the spinner on one row.
    void Spinner(const modifier_controls::Spinner& spinner);
    // A drop-down list, with its label on the same row when it has one.
    void DropDown(int id, const std::string& label);
    // The choice's buttons in two columns, the first one the longer.
    void RadioButtons(const modifier_controls::Choice& choice);

    // The page, as high as its rows need or of the height given.
    ui::DialogTemplate Finish(int height = 0);

private:
    void Add(ui::DialogControl control) { controls_.push_back(std::move(control)); }

    int templateId_;
    std::string title_;
    std::vector<ui::DialogControl> controls_;
    std::vector<std::size_t> openGroups_;  // where their boxes are in controls_
    int x_ = 4;
    int y_ = 4;
    int width_ = kPageWidth - 8;
};
