#include "objects/trigger/TriggerPropertySets.h"

#include "objects/trigger/TriggerClasses.h"

#include <iterator>

namespace tt = trigger_tables;

TriggerPropertySets::TriggerPropertySets() {
    sets_.reserve(std::size(tt::kSets));
    for (const tt::SetTable& set : tt::kSets) sets_.emplace_back(set);
}

TriggerPropertySet* TriggerPropertySets::ForClass(int classIndex) {
    const tt::SetTable* set = tt::SetForClass(classIndex);
    return set ? &sets_[static_cast<std::size_t>(set - std::begin(tt::kSets))] : nullptr;
}
