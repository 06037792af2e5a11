#include "host/params/ParamUIDesc.h"

#include <utility>

ParamUIDesc ParamUIDesc::CheckBox(int index, int checkBoxId) {
    ParamUIDesc desc;
    desc.type = ParamControlType::SingleCheckBox;
    desc.index = index;
    desc.controlId = checkBoxId;
    return desc;
}

ParamUIDesc ParamUIDesc::Spinner(int index, ui::EditSpinnerType editType, int editId, int spinnerId, float low,
                                 float high, float step) {
    ParamUIDesc desc;
    desc.type = ParamControlType::Spinner;
    desc.index = index;
    desc.controlId = spinnerId;
    desc.editId = editId;
    desc.editType = editType;
    desc.low = low;
    desc.high = high;
    desc.step = step;
    return desc;
}

ParamUIDesc ParamUIDesc::RadioGroup(int index, std::vector<int> buttonIds) {
    ParamUIDesc desc;
    desc.type = ParamControlType::RadioGroup;
    desc.index = index;
    desc.buttonIds = std::move(buttonIds);
    return desc;
}
