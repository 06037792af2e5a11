#include "actorbuilder/BatchOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using actorbuilder::BatchRequest;

struct Parsed {
    bool ok = false;
    BatchRequest request;
    std::string error;
};

Parsed Parse(std::vector<std::string> args) {
    Parsed parsed;
    parsed.ok = actorbuilder::ParseArguments(args, parsed.request, parsed.error);
    return parsed;
}

std::vector<std::string> WriteWith(const std::string& property) {
    return {"--class", "Thing", "--property", property, "-o", "thing.cxa"};
}

TEST(BatchOptions, PropertiesTakeTheSyntaxOfTheHelp) {
    const Parsed parsed = Parse({"--class", "PlayerStart", "--property", "bEnabled:boolean:bEnabled:1", "--property",
                                 "Team:ENUM:TeamIndex:+1:Red:1,Blue", "--property", "Offset:INTEGER:Offset:-40",
                                 "--geometry", "rock.ase", "--renderable", "-o", "PlayerStart.cxa"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const cxa::DefinitionForm& form = parsed.request.form;
    EXPECT_EQ(parsed.request.action, BatchRequest::Action::kWrite);
    EXPECT_EQ(parsed.request.path, "PlayerStart.cxa");
    EXPECT_EQ(form.className, "PlayerStart");
    ASSERT_EQ(form.rows.size(), 3u);
    // The type's name as the list shows it; the enum values keep their ':'.
    EXPECT_EQ(form.rows[0].type, "BOOLEAN");
    EXPECT_EQ(form.rows[1].defaultText, "1");
    EXPECT_EQ(form.rows[1].enumValues, "Red:1,Blue");
    EXPECT_EQ(form.rows[2].defaultText, "-40");
    EXPECT_TRUE(form.useCustomGeometry);
    EXPECT_EQ(form.asePath, "rock.ase");
    EXPECT_TRUE(form.renderable);
    EXPECT_FALSE(form.wireframe);
}

TEST(BatchOptions, BadPropertiesAreRefusedNamingWhatIsWrong) {
    const std::pair<std::string, std::string> cases[] = {
        {"a:BOOLEAN:b", "expected name:TYPE:t3dname:default"},
        {":BOOLEAN:b:1", "the name is empty"},
        {"a:BOOL:b:1", "the type BOOL is none of"},
        {"a:INTEGER::1", "the T3D name is empty"},
        {"a:INTEGER:b:1.5", "the default 1.5 is no 32-bit whole number"},
        {"a:INTEGER:b:2147483648", "the default 2147483648 is no"},
        {"a:INTEGER:b:+-1", "the default +-1 is no"},
        {"a:BYTE:b:256", "a BYTE default is 0 to 255"},
        {"a:BOOLEAN:b:2", "a BOOLEAN default is 0 or 1"},
        {"a:ENUM:b:0", "an ENUM property needs its enum values"},
        {"a:ENUM:b:0:", "an ENUM property needs its enum values"},
        {"a:ENUM:b:3:x,y,", "the default 3 is no item of the 3 enum values"},
        {"a:COLOUR:b:255:red", "enum values are for ENUM properties only"},
    };
    for (const auto& [property, error] : cases) {
        const Parsed parsed = Parse(WriteWith(property));
        EXPECT_FALSE(parsed.ok) << property;
        EXPECT_EQ(parsed.error.rfind("--property '" + property + "': " + error, 0), 0u) << parsed.error;
    }
}

TEST(BatchOptions, TextsLongerThanTheReadersKeepAreRefusedByField) {
    const std::string n63(63, 'n'), n64(64, 'n');
    EXPECT_TRUE(Parse(WriteWith(n63 + ":BYTE:" + n63 + ":1")).ok);
    EXPECT_TRUE(Parse({"--class", std::string(127, 'C'), "-o", "x.cxa"}).ok);
    EXPECT_TRUE(Parse(WriteWith("a:ENUM:b:0:" + std::string(127, ','))).ok);

    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--class", std::string(128, 'C'), "-o", "x.cxa"},
         "the class name is 128 characters long; the readers keep 127"},
        {WriteWith(n64 + ":BYTE:b:1"), "property 1 (" + n64 + "): the name is 64 characters long; the readers keep 63"},
        {WriteWith("a:BYTE:" + n64 + ":1"), "property 1 (a): the T3D name is 64 characters long"},
        {WriteWith("a:ENUM:b:0:" + std::string(128, ',')), "property 1 (a): the enum values is 128 characters long"},
    };
    for (const auto& [args, error] : cases) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.ok);
        EXPECT_EQ(parsed.error.rfind(error, 0), 0u) << parsed.error;
    }
}

TEST(BatchOptions, CommandLinesOfTheOtherActions) {
    EXPECT_EQ(Parse({}).request.action, BatchRequest::Action::kWindow);
    EXPECT_EQ(Parse({"--help"}).request.action, BatchRequest::Action::kHelp);
    const Parsed show = Parse({"--show", "a.cxa"});
    EXPECT_EQ(show.request.action, BatchRequest::Action::kShow);
    EXPECT_EQ(show.request.path, "a.cxa");

    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--show"}, "--show takes one file and no other option"},
        {{"--class", "X", "-o", "a.cxa", "--show", "b.cxa"}, "--show takes no other option"},
        {{"--class", "X", "--class", "Y", "-o", "a.cxa"}, "--class is given twice"},
        {{"--class", "X", "--colour", "-o", "a.cxa"}, "unknown option --colour"},
        {{"--property", "a:BYTE:b:1", "-o", "a.cxa"}, "--class NAME is missing"},
        {{"--class", "X", "--geometry", "rock.ase"}, "-o FILE is missing"},
    };
    for (const auto& [args, error] : bad) {
        const Parsed parsed = Parse(args);
        EXPECT_FALSE(parsed.ok) << error;
        EXPECT_EQ(parsed.error.rfind(error, 0), 0u) << parsed.error;
    }
}

}  // namespace
