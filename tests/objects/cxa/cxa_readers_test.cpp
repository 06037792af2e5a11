#include "objects/cxa/ActorDefReader.h"
#include "objects/cxa/ClassNameReader.h"
#include "objects/cxa/EditableReader.h"

#include "CxaSamples.h"
#include "host/os/Files.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

namespace {

using namespace std::string_literals;

std::string NoGeometry(const std::string& className, int count = 0) {
    cxa::DefinitionForm form;
    form.className = className;
    form.rows.assign(static_cast<std::size_t>(count), {"N", "INTEGER", "T", "4", ""});
    std::string bytes;
    EXPECT_TRUE(cxa::EncodeDefinition(form, {}, bytes));
    return bytes;
}

// A file written field by field, for what the writer refuses to write.
std::string Crafted(const std::function<void(cxa::CxaOutput&)>& fields) {
    cxa::CxaOutput out;
    out.U32(cxa::kStartMagic);
    fields(out);
    return out.Bytes();
}

TEST(CxaReaders, EveryPropertyTypeReadsBack) {
    ScratchFolder folder;
    const std::string path = folder / "MyActor.cxa";
    ASSERT_TRUE(cxa::WriteDefinitionFile(path, cxa_test::SampleForm(),
                                         cxa_test::GeometryGroup(cxa_test::SampleVertices(), cxa_test::SampleFaces())));

    cxa::LibraryClassName className;
    ASSERT_TRUE(cxa::ReadClassNameFromFile(path, className));
    EXPECT_EQ(className.View(), "MyActor");

    ActorDef def;
    ASSERT_TRUE(cxa::ReadActorDefFromFile(path, "MyActor", def));
    ASSERT_EQ(def.Count(), 6);
    ASSERT_EQ(def.values.size(), 6u);
    const auto& form = cxa_test::SampleForm();
    for (int i = 0; i < def.Count(); ++i) {
        const ActorPropDef& p = def.properties[static_cast<std::size_t>(i)];
        EXPECT_EQ(p.type, i) << "the sample has the types in code order";
        EXPECT_EQ(p.name.View(), form.rows[static_cast<std::size_t>(i)].name);
        EXPECT_EQ(p.t3dName.View(), form.rows[static_cast<std::size_t>(i)].t3dName);
        EXPECT_EQ(p.enumValues.View(), form.rows[static_cast<std::size_t>(i)].enumValues);
    }
    EXPECT_EQ(def.properties[0].defaultValue, 1);
    EXPECT_EQ(def.values[0].AsInt(), 1);
    EXPECT_EQ(def.values[1].AsInt(), -3);
    EXPECT_EQ(def.values[2].AsInt(), 200);
    EXPECT_EQ(def.properties[3].defaultValue, 5);
    EXPECT_EQ(def.values[3].AsFloat(), 5.0f);
    EXPECT_EQ(def.values[4].AsInt(), 1);
    EXPECT_EQ(cxa::EnumItems(def.properties[4].enumValues.View()).at(1), "");
    EXPECT_EQ(def.values[5].AsInt(), 0x000000FF);
    EXPECT_EQ(def.renderable, 0);
    EXPECT_EQ(def.wireframe, 1);
    ASSERT_TRUE(def.mesh.has_value());

    cxa::EditableDefinition editable;
    ASSERT_TRUE(cxa::ReadEditableFromFile(path, editable));
    EXPECT_EQ(editable.className.View(), "MyActor");
    ASSERT_EQ(editable.properties.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const cxa::EditableProperty& p = editable.properties[i];
        EXPECT_EQ(cxa::PropTypeName(p.type), form.rows[i].type);
        EXPECT_EQ(std::to_string(p.defaultValue), form.rows[i].defaultText);
        EXPECT_EQ(p.name.View(), form.rows[i].name);
        EXPECT_EQ(p.t3dName.View(), form.rows[i].t3dName);
        EXPECT_EQ(p.enumValues.View(), form.rows[i].enumValues);
    }
}

TEST(CxaReaders, NoPropertiesAndNoGeometry) {
    const std::string bytes = NoGeometry("Empty");
    ActorDef def;
    def.renderable = 7;
    ASSERT_TRUE(cxa::ReadActorDef(bytes, "Empty", def));
    EXPECT_EQ(def.Count(), 0);
    EXPECT_TRUE(def.values.empty());
    EXPECT_FALSE(def.mesh.has_value());
    EXPECT_EQ(def.renderable, 1);
    EXPECT_EQ(def.wireframe, 0);

    // Without geometry, the renderable and wireframe fields are not consulted.
    const std::string flagsSet = Crafted([](cxa::CxaOutput& out) {
        out.String("Empty");
        for (std::int32_t field : {0, 0, 0, 1, 7, 7}) out.I32(field);
    });
    ASSERT_TRUE(cxa::ReadActorDef(flagsSet, "Empty", def));
    EXPECT_EQ(def.renderable, 1);
    EXPECT_EQ(def.wireframe, 0);

    cxa::EditableDefinition editable;
    editable.properties.resize(3);
    ASSERT_TRUE(cxa::ReadEditable(bytes, editable));
    EXPECT_EQ(editable.className.View(), "Empty");
    EXPECT_TRUE(editable.properties.empty());
}

TEST(CxaReaders, ClassNameKeepsItsCaseAndComparesWithoutIt) {
    const std::string bytes = NoGeometry("MyActor");
    cxa::LibraryClassName className;
    ASSERT_TRUE(cxa::ReadClassName(bytes, className));
    EXPECT_EQ(className.View(), "MyActor");

    ActorDef def;
    EXPECT_TRUE(cxa::ReadActorDef(bytes, "MYACTOR", def));
    EXPECT_TRUE(cxa::ReadActorDef(bytes, "myactor", def));
    EXPECT_FALSE(cxa::ReadActorDef(bytes, "MyActo", def));
    EXPECT_FALSE(cxa::ReadActorDef(bytes, "MyActorX", def));
    EXPECT_FALSE(cxa::ReadActorDef(bytes, "", def));

    cxa::EditableDefinition editable;
    ASSERT_TRUE(cxa::ReadEditable(bytes, editable));
    EXPECT_EQ(editable.className.View(), "MyActor");
}

TEST(CxaReaders, UnreadableFilesChangeNothing) {
    ScratchFolder folder;
    const std::string valid = NoGeometry("Kept", 2);
    cxa::LibraryClassName className;
    ASSERT_TRUE(cxa::ReadClassName(valid, className));
    ActorDef def;
    ASSERT_TRUE(cxa::ReadActorDef(valid, "Kept", def));
    cxa::EditableDefinition editable;
    ASSERT_TRUE(cxa::ReadEditable(valid, editable));

    const std::string badFiles[] = {
        "",
        "\x30\x93\x49"s,
        valid.substr(0, 4),
        "\x04\x49\x93\x30" + valid.substr(4),  // the end magic where the start magic belongs
        Crafted([](cxa::CxaOutput& out) { out.I32(0); }),
        Crafted([](cxa::CxaOutput& out) { out.I32(-1); }),
        Crafted([](cxa::CxaOutput& out) { out.I32(INT32_MIN); }),
    };
    for (const std::string& bytes : badFiles) {
        EXPECT_FALSE(cxa::ReadClassName(bytes, className)) << bytes.size();
        EXPECT_FALSE(cxa::ReadActorDef(bytes, "", def)) << bytes.size();
        EXPECT_FALSE(cxa::ReadEditable(bytes, editable)) << bytes.size();
    }
    EXPECT_EQ(className.View(), "Kept");
    EXPECT_EQ(def.Count(), 2);
    EXPECT_EQ(editable.className.View(), "Kept");
    EXPECT_EQ(editable.properties.size(), 2u);

    const std::string missing = folder / "missing.cxa";
    EXPECT_FALSE(cxa::ReadClassNameFromFile(missing, className));
    EXPECT_FALSE(cxa::ReadActorDefFromFile(missing, "Kept", def));
    EXPECT_FALSE(cxa::ReadEditableFromFile(missing, editable));
    EXPECT_FALSE(cxa::ReadClassNameFromFile(folder.Path(), className)) << "a folder is no file";
}

TEST(CxaReaders, BadCountsAndStringsFailTheFullReadOnly) {
    const auto record = [](cxa::CxaOutput& out, const char* name) {
        out.I32(cxa::kInteger);
        out.I32(9);
        out.String(name);
        out.String(name);
        out.String("");
    };
    const std::string negativeCount = Crafted([](cxa::CxaOutput& out) {
        out.String("A");
        out.I32(-1);
        out.I32(0);
    });
    const std::string hugeCount = Crafted([&](cxa::CxaOutput& out) {
        out.String("A");
        out.I32(INT32_MAX);
        record(out, "One");
        record(out, "Two");
    });
    const std::string emptyString = Crafted([&](cxa::CxaOutput& out) {
        out.String("A");
        out.I32(3);
        record(out, "One");
        out.I32(cxa::kInteger);
        out.I32(9);
        out.I32(0);  // a name of length 0
        record(out, "Three");
        out.I32(0);
    });

    ActorDef def;
    cxa::EditableDefinition editable;
    EXPECT_FALSE(cxa::ReadActorDef(negativeCount, "A", def));
    ASSERT_TRUE(cxa::ReadEditable(negativeCount, editable));
    EXPECT_TRUE(editable.properties.empty());

    EXPECT_FALSE(cxa::ReadActorDef(hugeCount, "A", def));
    ASSERT_TRUE(cxa::ReadEditable(hugeCount, editable));
    ASSERT_EQ(editable.properties.size(), 2u);
    EXPECT_EQ(editable.properties[1].name.View(), "Two");

    EXPECT_FALSE(cxa::ReadActorDef(emptyString, "A", def));
    ASSERT_TRUE(cxa::ReadEditable(emptyString, editable));
    ASSERT_EQ(editable.properties.size(), 1u);
    EXPECT_EQ(editable.properties[0].name.View(), "One");
}

TEST(CxaReaders, OverLongStringsKeepTheFieldAndTheRecordsAfterThem) {
    const std::string longClass(300, 'C');
    const std::string bytes = Crafted([&](cxa::CxaOutput& out) {
        out.String(longClass);
        out.I32(2);
        out.I32(cxa::kEnum);
        out.I32(1);
        out.String(std::string(300, 'n'));
        out.String(std::string(70, 't'));
        out.String(std::string(200, 'e'));
        out.I32(cxa::kFloat);
        out.I32(-8);
        out.String("Next");
        out.String("NextT3d");
        out.String("");
        out.I32(0);
    });

    cxa::LibraryClassName className;
    ASSERT_TRUE(cxa::ReadClassName(bytes, className));
    EXPECT_EQ(className.View(), std::string(127, 'C'));

    ActorDef def;
    EXPECT_FALSE(cxa::ReadActorDef(bytes, std::string(127, 'C'), def)) << "the full read keeps 259 characters";
    ASSERT_TRUE(cxa::ReadActorDef(bytes, std::string(259, 'c'), def));
    ASSERT_EQ(def.Count(), 2);
    EXPECT_EQ(def.properties[0].name.View(), std::string(255, 'n'));
    EXPECT_EQ(def.properties[0].t3dName.View(), std::string(70, 't'));
    EXPECT_EQ(def.properties[0].enumValues.View(), std::string(200, 'e'));
    EXPECT_EQ(def.properties[1].type, cxa::kFloat);
    EXPECT_EQ(def.properties[1].name.View(), "Next");
    EXPECT_EQ(def.properties[1].t3dName.View(), "NextT3d");
    EXPECT_EQ(def.values[1].AsFloat(), -8.0f);

    cxa::EditableDefinition editable;
    ASSERT_TRUE(cxa::ReadEditable(bytes, editable));
    EXPECT_EQ(editable.className.View(), std::string(259, 'C'));
    ASSERT_EQ(editable.properties.size(), 2u);
    EXPECT_EQ(editable.properties[0].name.View(), std::string(63, 'n'));
    EXPECT_EQ(editable.properties[0].t3dName.View(), std::string(63, 't'));
    EXPECT_EQ(editable.properties[0].enumValues.View(), std::string(127, 'e'));
    EXPECT_EQ(editable.properties[1].defaultValue, -8);
    EXPECT_EQ(editable.properties[1].name.View(), "Next");

    // A stored text without its NUL, exactly as long as the field, loses its last character.
    const std::string exact = Crafted([](cxa::CxaOutput& out) { out.I32(128); }) + std::string(128, 'X');
    ASSERT_TRUE(cxa::ReadClassName(exact, className));
    EXPECT_EQ(className.View(), std::string(127, 'X'));
}

}  // namespace
