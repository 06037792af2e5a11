#pragma once
// The page of a trigger property set, made from its rows: the parameter map
// table (check boxes, spinners, the trigger-type radio group; the texts are
// the text handler's) and the dialog with each row's controls in row order.

#include "host/params/ParamUIDesc.h"
#include "host/ui/DialogTemplate.h"
#include "objects/trigger/TriggerSetTables.h"

#include <vector>

// The title of every class page.
constexpr const char* kTriggerPageTitle = "Properties";

struct TriggerPageTemplate {
    std::vector<ParamUIDesc> descriptors;
    ui::DialogTemplate dialog;
};

// Made on first use and kept while the module is loaded.
const TriggerPageTemplate& TriggerPageTemplateOf(const trigger_tables::SetTable& set);
