#pragma once
// How a control table entry reaches its page: the parameter map entry that
// binds it to its control, and the buttons a choice lays out.

#include "host/params/PageLayout.h"
#include "host/params/ParamUIDesc.h"
#include "modifiers/ControlTable.h"

#include <vector>

ParamUIDesc CheckBoxDesc(const modifier_controls::Flag& flag);
ParamUIDesc SpinnerDesc(const modifier_controls::Spinner& spinner);
ParamUIDesc RadioGroupDesc(const modifier_controls::Choice& choice);

std::vector<PageLayout::Button> ChoiceButtons(const modifier_controls::Choice& choice);
