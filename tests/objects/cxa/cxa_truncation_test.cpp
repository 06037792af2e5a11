#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/ClassNameReader.h"
#include "objects/cxa/EditableReader.h"

#include "CxaSamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bytes of a stored text: its length field, its characters and the NUL.
std::size_t StoredSize(const std::string& text) { return 4 + text.size() + 1; }

TEST(CxaTruncation, EveryCutOfAValidFileFailsCleanlyOrReadsWhatIsComplete) {
    const cxa::DefinitionForm form = cxa_test::SampleForm();
    const std::string bytes = cxa_test::SampleBytes();

    // Where the class name and each property record end, and where the
    // first geometry group ends (only the end magic follows it).
    const std::size_t classNameEnd = 4 + StoredSize(form.className);
    std::vector<std::size_t> recordEnds;
    std::size_t offset = classNameEnd + 4;
    for (const cxa::PropertyRow& row : form.rows) {
        offset += 8 + StoredSize(row.name) + StoredSize(row.t3dName) + StoredSize(row.enumValues);
        recordEnds.push_back(offset);
    }
    const std::size_t geometryEnd = bytes.size() - 4;
    ASSERT_EQ(geometryEnd, offset + 12 + 4 + 12 * cxa_test::SampleVertices().size() + 4 +
                               24 * cxa_test::SampleFaces().size());

    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        // A copy of exactly cut bytes, so that reading past it is a fault
        // the address sanitizer sees.
        const std::vector<char> head(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut));
        const std::string_view data(head.data(), head.size());
        SCOPED_TRACE("cut at " + std::to_string(cut));

        cxa::LibraryClassName className;
        EXPECT_EQ(cxa::ReadClassName(data, className), cut >= classNameEnd);
        EXPECT_EQ(className.View(), cut >= classNameEnd ? "MyActor" : "");

        ActorDef def;
        EXPECT_EQ(cxa::ReadActorDef(data, "MyActor", def), cut >= geometryEnd);
        EXPECT_EQ(def.Count(), cut >= geometryEnd ? 6 : 0);

        cxa::EditableDefinition editable;
        ASSERT_EQ(cxa::ReadEditable(data, editable), cut >= classNameEnd);
        std::size_t complete = 0;
        while (complete < recordEnds.size() && recordEnds[complete] <= cut) ++complete;
        ASSERT_EQ(editable.properties.size(), complete);
        for (std::size_t i = 0; i < complete; ++i) {
            EXPECT_EQ(editable.properties[i].name.View(), form.rows[i].name);
        }
    }
}

}  // namespace
