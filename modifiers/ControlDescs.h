#pragma once
// The parameter map entry that binds a control table entry to its control.

#include "host/params/ParamUIDesc.h"
#include "modifiers/ControlTable.h"

ParamUIDesc CheckBoxDesc(const modifier_controls::Flag& flag);
ParamUIDesc SpinnerDesc(const modifier_controls::Spinner& spinner);
ParamUIDesc RadioGroupDesc(const modifier_controls::Choice& choice);
