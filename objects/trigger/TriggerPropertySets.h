#pragma once
// The eleven property sets a trigger embeds, one per class page, and the
// one that serves a class.

#include "objects/trigger/TriggerPropertySet.h"

#include <vector>

class TriggerPropertySets {
public:
    TriggerPropertySets();
    // The maps of the pages and the trigger hold on to the sets.
    TriggerPropertySets(const TriggerPropertySets&) = delete;
    TriggerPropertySets& operator=(const TriggerPropertySets&) = delete;

    // The set of the class at classIndex in trigger_tables::kClasses (the
    // same one for Trigger and ZoneTrigger); null for MaterialTrigger,
    // ViewShaker and an index beyond the table.
    TriggerPropertySet* ForClass(int classIndex);

private:
    std::vector<TriggerPropertySet> sets_;  // in the order of kSets
};
