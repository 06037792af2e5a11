#pragma once
// A trigger's storage and its eleven property sets, as the trigger holds
// them, and the map lines a set writes.

#include "objects/trigger/TriggerClasses.h"
#include "objects/trigger/TriggerPropertySets.h"
#include "tests/common/MapText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <string>

class TriggerStorage : public ::testing::Test {
protected:
    // The set of the named class, bound to the storage.
    TriggerPropertySet& Set(const char* className) {
        TriggerPropertySet* set = sets.ForClass(trigger_tables::ClassIndex(className));
        if (!set) throw std::logic_error(std::string("no set for ") + className);
        set->Bind(floats, ints, text1, text2);
        return *set;
    }

    // Values no class has as a default.
    void FillWithJunk() {
        std::fill(std::begin(floats), std::end(floats), 7.5f);
        std::fill(std::begin(ints), std::end(ints), 7);
        std::strcpy(text1, "junk 1");
        std::strcpy(text2, "junk 2");
    }

    static std::string Lines(const TriggerPropertySet& set) {
        return WrittenText([&](T3dWriter& writer) { EXPECT_EQ(set.Export(writer), 1); });
    }

    float floats[trigger_tables::kFloatSlots] = {};
    std::int32_t ints[trigger_tables::kIntSlots] = {};
    char text1[trigger_tables::kTextSize] = {};
    char text2[trigger_tables::kTextSize] = {};
    TriggerPropertySets sets;
};
