#pragma once
// Lays out plug-in rollup pages: controls stacked in rows down a page 108
// dialog units wide, inside group boxes that close around what they hold.

#include "host/ui/DialogTemplate.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class PageLayout {
public:
    static constexpr int kPageWidth = 108;

    // One radio button: its control id and text.
    struct Button {
        int id;
        std::string label;
    };

    PageLayout(int templateId, std::string title);

    // A group box around the rows added until the matching EndGroup.
    void BeginGroup(std::string title);
    void EndGroup();

    void CheckBox(int id, std::string label, bool enabled = true);
    // The label, the edit and the spinner on one row.
    void Spinner(std::string label, int editId, int spinnerId);
    // The label on one row, a custom edit across the page on the next.
    void TextField(std::string label, int editId);
    // A drop-down list, with its label on the same row when it has one.
    void DropDown(int id, const std::string& label);
    // The buttons in columns (at least one) filled top to bottom, the
    // first columns the longer; the first button starts the group.
    void RadioButtons(const std::vector<Button>& buttons, std::size_t columns = 2);

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
