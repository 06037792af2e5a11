#pragma once
// One entry of a parameter map's table: which control of the page shows
// which parameter of the array, and how.

#include "host/ui/CustomControls.h"

#include <vector>

enum class ParamControlType {
    SingleCheckBox,  // an integer parameter, 0 unchecked, anything else checked
    Spinner,         // an integer or float parameter within limits
    RadioGroup,      // an integer parameter: the position of the checked button
};

struct ParamUIDesc {
    // A check box; a click stores 1 or 0.
    static ParamUIDesc CheckBox(int index, int checkBoxId);
    // A spinner with its edit; editType says whether the parameter is an
    // integer or a float. step: the change per arrow click, or
    // ui::SPIN_AUTOSCALE.
    static ParamUIDesc Spinner(int index, ui::EditSpinnerType editType, int editId, int spinnerId, float low,
                               float high, float step);
    // Radio buttons in value order: the first stands for 0.
    static ParamUIDesc RadioGroup(int index, std::vector<int> buttonIds);

    ParamControlType type = ParamControlType::SingleCheckBox;
    int index = 0;
    int controlId = 0;  // the check box or the spinner
    int editId = 0;
    ui::EditSpinnerType editType = ui::EDITTYPE_INT;
    float low = 0.0f;
    float high = 0.0f;
    float step = ui::SPIN_AUTOSCALE;
    std::vector<int> buttonIds;
};
