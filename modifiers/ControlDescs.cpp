#include "modifiers/ControlDescs.h"

#include <vector>

ParamUIDesc CheckBoxDesc(const modifier_controls::Flag& flag) {
    return ParamUIDesc::CheckBox(flag.index, flag.checkBoxId);
}

ParamUIDesc SpinnerDesc(const modifier_controls::Spinner& spinner) {
    return ParamUIDesc::Spinner(spinner.index, spinner.type, spinner.editId, spinner.spinnerId, spinner.low,
                                spinner.high, spinner.step);
}

ParamUIDesc RadioGroupDesc(const modifier_controls::Choice& choice) {
    std::vector<int> buttons;
    for (const modifier_controls::ChoiceItem& item : choice.items) buttons.push_back(item.buttonId);
    return ParamUIDesc::RadioGroup(choice.index, std::move(buttons));
}

std::vector<PageLayout::Button> ChoiceButtons(const modifier_controls::Choice& choice) {
    std::vector<PageLayout::Button> buttons;
    for (const modifier_controls::ChoiceItem& item : choice.items) buttons.push_back({item.buttonId, item.label});
    return buttons;
}
