#include "ContractDoubles.h"
#include "ContractFixture.h"

#include "exporter/ModifierLines.h"

#include <gtest/gtest.h>

namespace {

using ModifierLinesTest = ContractRecordTest;

TEST_F(ModifierLinesTest, EveryModifierClassGivesItsCommonLinesOnly) {
    TestPropertyModifier properties;
    TestBrushModifier brush(2, 1, 0);
    TestMoverModifier mover;
    WriteModifierLines(&properties, writer);
    WriteModifierLines(&brush, writer);
    // The mover's own lines belong after the placement, not here.
    WriteModifierLines(&mover, writer);
    WriteModifierLines(nullptr, writer);
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(ActorText(), "\tbHidden=True\r\n\tbHidden=True\r\n\tbHidden=True\r\n");
}

}  // namespace
