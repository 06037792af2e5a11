#include "host/scenefile/JsonCursor.h"

#include "host/scenefile/JsonPath.h"
#include "host/scenefile/ReadError.h"
#include "host/scenefile/Windows1252.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

namespace scenefile {
namespace {

// Short values are shown as written; long strings and containers by kind.
std::string Describe(const Json& value) {
    constexpr std::size_t kLongest = 40;
    switch (value.type()) {
    case Json::value_t::object: return "an object";
    case Json::value_t::array: return "an array";
    case Json::value_t::string: {
        std::string shown = value.dump();
        return shown.size() <= kLongest ? shown : "a string";
    }
    default: return value.dump();
    }
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string UnmappableMessage(char32_t c) {
    if (c == 0) return "host text cannot hold the zero character";
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return "character " + std::string(code) + " is not in the Windows-1252 code page";
}

std::string ShortNumber(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

JsonCursor::KeyListRecorder keyListRecorder = nullptr;

}  // namespace

void JsonCursor::RecordKeyLists(KeyListRecorder recorder) { keyListRecorder = recorder; }

JsonCursor::JsonCursor(const Json& value, std::string path) : value_(&value), path_(std::move(path)) {}

void JsonCursor::Fail(const std::string& what) const { throw ReadError(path_, what); }

void JsonCursor::FailExpected(std::string_view expected) const {
    Fail("expected " + std::string(expected) + ", got " + Describe(*value_));
}

bool JsonCursor::IsString() const { return value_->is_string(); }

bool JsonCursor::IsObject() const { return value_->is_object(); }

bool JsonCursor::IsArray() const { return value_->is_array(); }

bool JsonCursor::IsNull() const { return value_->is_null(); }

void JsonCursor::ExpectObject() const {
    if (!value_->is_object()) FailExpected("an object");
}

void JsonCursor::ExpectKeys(std::initializer_list<std::string_view> allowed) const {
    if (keyListRecorder) keyListRecorder(path_, allowed);
    ExpectObject();
    for (const auto& member : value_->items()) {
        if (std::find(allowed.begin(), allowed.end(), member.key()) == allowed.end()) {
            Fail("unknown key " + Quoted(member.key()));
        }
    }
}

bool JsonCursor::Has(std::string_view key) const {
    ExpectObject();
    return value_->find(key) != value_->end();
}

JsonCursor JsonCursor::Key(std::string_view key) const {
    std::optional<JsonCursor> member = Find(key);
    if (!member) Fail("missing key " + Quoted(key));
    return *member;
}

std::optional<JsonCursor> JsonCursor::Find(std::string_view key) const {
    ExpectObject();
    const auto found = value_->find(key);
    if (found == value_->end()) return std::nullopt;
    return JsonCursor(*found, KeyPath(path_, key));
}

std::vector<std::pair<std::string, JsonCursor>> JsonCursor::Members() const {
    ExpectObject();
    std::vector<std::pair<std::string, JsonCursor>> members;
    for (const auto& member : value_->items()) {
        members.emplace_back(member.key(), JsonCursor(member.value(), KeyPath(path_, member.key())));
    }
    return members;
}

std::size_t JsonCursor::Size() const {
    if (!value_->is_array()) FailExpected("an array");
    return value_->size();
}

void JsonCursor::ExpectSize(std::size_t count) const {
    const std::size_t size = Size();
    if (size != count) {
        Fail("expected an array of " + std::to_string(count) + " elements, got " + std::to_string(size));
    }
}

JsonCursor JsonCursor::Element(std::size_t i) const { return JsonCursor((*value_)[i], IndexPath(path_, i)); }

bool JsonCursor::Bool() const {
    if (!value_->is_boolean()) FailExpected("true or false");
    return value_->get<bool>();
}

float JsonCursor::Number() const {
    if (!value_->is_number()) FailExpected("a number");
    const double value = value_->get<double>();
    if (!(std::fabs(value) <= FLT_MAX)) Fail(value_->dump() + " is too large for a single-precision number");
    return static_cast<float>(value);
}

float JsonCursor::Number(float min, float max) const {
    const float value = Number();
    if (value < min || value > max) {
        Fail(value_->dump() + " is out of range " + ShortNumber(min) + ".." + ShortNumber(max));
    }
    return value;
}

std::int64_t JsonCursor::Integer(std::int64_t min, std::int64_t max) const {
    if (!value_->is_number_integer()) FailExpected("an integer");
    // Non-negative integers are parsed as unsigned and may exceed int64.
    const bool tooLarge =
        value_->is_number_unsigned() && value_->get<std::uint64_t>() > static_cast<std::uint64_t>(max);
    const std::int64_t value = tooLarge ? max : value_->get<std::int64_t>();
    if (tooLarge || value < min || value > max) {
        Fail(value_->dump() + " is out of range " + std::to_string(min) + ".." + std::to_string(max));
    }
    return value;
}

std::uint32_t JsonCursor::Index(std::size_t count, std::string_view what) const {
    if (!value_->is_number_integer()) FailExpected("an index");
    const bool negative = !value_->is_number_unsigned();
    if (negative || value_->get<std::uint64_t>() >= count) {
        if (count == 0) Fail("index " + value_->dump() + " is out of range: there are no " + std::string(what));
        Fail("index " + value_->dump() + " is out of range 0.." + std::to_string(count - 1) + " of the " +
             std::string(what));
    }
    return static_cast<std::uint32_t>(value_->get<std::uint64_t>());
}

std::array<std::uint32_t, 3> JsonCursor::IndexTriple(std::size_t count, std::string_view what) const {
    ExpectSize(3);
    // Braces keep the elements' order, so the first bad index is the one reported.
    return {Element(0).Index(count, what), Element(1).Index(count, what), Element(2).Index(count, what)};
}

std::string JsonCursor::Utf8() const {
    if (!value_->is_string()) FailExpected("a string");
    return value_->get<std::string>();
}

std::string JsonCursor::Text() const {
    std::string text;
    char32_t unmappable = 0;
    if (!Utf8ToWindows1252(Utf8(), text, unmappable)) {
        Fail(UnmappableMessage(unmappable));
    }
    return text;
}

Point3 JsonCursor::Vector() const {
    ExpectSize(3);
    return Point3{Element(0).Number(), Element(1).Number(), Element(2).Number()};
}

Point3 JsonCursor::Color() const {
    ExpectSize(3);
    return Point3{Element(0).Number(0.0f, 1.0f), Element(1).Number(0.0f, 1.0f), Element(2).Number(0.0f, 1.0f)};
}

bool JsonCursor::Bool(std::string_view key, bool fallback) const {
    const std::optional<JsonCursor> member = Find(key);
    return member ? member->Bool() : fallback;
}

float JsonCursor::Number(std::string_view key, float fallback) const {
    const std::optional<JsonCursor> member = Find(key);
    return member ? member->Number() : fallback;
}

std::int64_t JsonCursor::Integer(std::string_view key, std::int64_t min, std::int64_t max,
                                 std::int64_t fallback) const {
    const std::optional<JsonCursor> member = Find(key);
    return member ? member->Integer(min, max) : fallback;
}

}  // namespace scenefile
