#include "objects/trigger/TriggerPageTemplate.h"

#include "host/params/PageLayout.h"

#include <map>
#include <utility>

namespace tt = trigger_tables;

namespace {

std::vector<PageLayout::Button> TypeButtons(const tt::Row& row) {
    std::vector<PageLayout::Button> buttons;
    for (int value = 0; value < tt::kTriggerTypeCount; ++value)
        buttons.push_back({row.controlId + value, tt::kTriggerTypes[value].radioText});
    return buttons;
}

void AddTypeGroup(const tt::Row& row, PageLayout& layout, std::vector<ParamUIDesc>& descriptors) {
    const std::vector<PageLayout::Button> buttons = TypeButtons(row);
    // One column: the longer type names do not fit half a page.
    layout.BeginGroup(row.label);
    layout.RadioButtons(buttons, 1);
    layout.EndGroup();
    std::vector<int> ids;
    for (const PageLayout::Button& button : buttons) ids.push_back(button.id);
    descriptors.push_back(ParamUIDesc::RadioGroup(row.slot, std::move(ids)));
}

void AddRow(const tt::Row& row, PageLayout& layout, std::vector<ParamUIDesc>& descriptors) {
    switch (row.kind) {
    case tt::RowKind::CheckBox:
        layout.CheckBox(row.controlId, row.label);
        descriptors.push_back(ParamUIDesc::CheckBox(row.slot, row.controlId));
        break;
    case tt::RowKind::IntSpinner:
    case tt::RowKind::FloatSpinner:
    case tt::RowKind::VectorSpinner: {
        const ui::EditSpinnerType type = row.kind == tt::RowKind::IntSpinner ? ui::EDITTYPE_INT : ui::EDITTYPE_FLOAT;
        layout.Spinner(row.label, row.controlId, row.spinnerId);
        descriptors.push_back(ParamUIDesc::Spinner(row.slot, type, row.controlId, row.spinnerId, row.low, row.high,
                                                   ui::SPIN_AUTOSCALE));
        break;
    }
    case tt::RowKind::Text: layout.TextField(row.label, row.controlId); break;
    case tt::RowKind::TriggerType: AddTypeGroup(row, layout, descriptors); break;
    }
}

TriggerPageTemplate MakePage(const tt::SetTable& set) {
    PageLayout layout(set.dialogId, kTriggerPageTitle);
    std::vector<ParamUIDesc> descriptors;
    for (const tt::Row& row : set.rows) AddRow(row, layout, descriptors);
    return TriggerPageTemplate{std::move(descriptors), layout.Finish()};
}

}  // namespace

const TriggerPageTemplate& TriggerPageTemplateOf(const tt::SetTable& set) {
    // Each set has a page of its own, so its dialog id names it.
    static std::map<int, TriggerPageTemplate> pages;
    auto page = pages.find(set.dialogId);
    if (page == pages.end()) page = pages.emplace(set.dialogId, MakePage(set)).first;
    return page->second;
}
