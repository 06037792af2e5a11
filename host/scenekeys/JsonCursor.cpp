#include "host/scenekeys/JsonCursor.h"

#include "host/scenekeys/ReadError.h"
#include "host/scenekeys/Windows1252.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace scenefile {
namespace {

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

bool IsNumber(JsonKind kind) {
    return kind == JsonKind::Unsigned || kind == JsonKind::Negative || kind == JsonKind::Float;
}

std::uint64_t Magnitude(std::string_view token) {
    std::uint64_t value = 0;
    if (!token.empty() && token[0] == '-') token.remove_prefix(1);
    std::from_chars(token.data(), token.data() + token.size(), value);
    return value;
}

std::int64_t SignedValue(std::string_view token, JsonKind kind) {
    const std::uint64_t magnitude = Magnitude(token);
    if (kind == JsonKind::Unsigned) return static_cast<std::int64_t>(magnitude);
    // Two's complement of the magnitude, which may be 2^63.
    return static_cast<std::int64_t>(~magnitude + 1);
}

// A number token's value; beyond double range it is infinite.
double DoubleOf(std::string_view token, JsonKind kind) {
    if (kind == JsonKind::Unsigned) return static_cast<double>(Magnitude(token));
    if (kind == JsonKind::Negative) return static_cast<double>(SignedValue(token, kind));
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc()) return value;
    // Out of range: strtod tells overflow (infinite) from underflow (zero).
    return std::strtod(std::string(token).c_str(), nullptr);
}

// A number as the messages show it: the shortest text that reads back.
std::string Dump(std::string_view token, JsonKind kind) {
    switch (kind) {
        case JsonKind::Unsigned: return std::to_string(Magnitude(token));
        case JsonKind::Negative: return std::to_string(SignedValue(token, kind));
        default: {
            const double value = DoubleOf(token, kind);
            return std::isfinite(value) ? nlohmann::json(value).dump() : std::string(token);
        }
    }
}

JsonCursor::KeyListRecorder keyListRecorder = nullptr;

}  // namespace

void JsonCursor::RecordKeyLists(KeyListRecorder recorder) { keyListRecorder = recorder; }

std::string JsonCursor::Path() const { return document_->Path(node_, at_); }

void JsonCursor::Fail(const std::string& what) const { throw ReadError(Path(), what); }

// Short values are shown as written; long strings and containers by kind.
std::string JsonCursor::Describe() const {
    constexpr std::size_t kLongest = 40;
    const JsonKind kind = Kind();
    switch (kind) {
        case JsonKind::Object: return "an object";
        case JsonKind::Array: return "an array";
        case JsonKind::Null: return "null";
        case JsonKind::True: return "true";
        case JsonKind::False: return "false";
        case JsonKind::String: {
            const std::string shown = nlohmann::json(Unescape(Token())).dump();
            return shown.size() <= kLongest ? shown : "a string";
        }
        default: return Dump(Token(), kind);
    }
}

void JsonCursor::FailExpected(std::string_view expected) const {
    Fail("expected " + std::string(expected) + ", got " + Describe());
}

void JsonCursor::ExpectObject() const {
    if (!IsObject()) FailExpected("an object");
}

template <class Visit>
void JsonCursor::VisitMembers(Visit visit) const {
    ExpectObject();
    const std::uint32_t count = document_->Count(node_);
    if (document_->IsPacked(node_)) {
        JsonDocument::TextMember members[JsonDocument::kMaxPacked];
        document_->TextMembers(node_, members);
        for (std::uint32_t i = 0; i < count; ++i) {
            if (visit(members[i].rawKey, JsonCursor(*document_, node_, members[i].at))) return;
        }
        return;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const JsonNode member = document_->Child(node_, i);
        if (visit(document_->RawKey(member), JsonCursor(*document_, member, JsonDocument::kWhole))) return;
    }
}

void JsonCursor::ExpectKeys(std::initializer_list<std::string_view> allowed) const { ExpectKeys(allowed, nullptr); }

void JsonCursor::ExpectKeys(std::initializer_list<std::string_view> allowed, std::optional<JsonCursor>* found) const {
    if (keyListRecorder) keyListRecorder(Path(), allowed);
    VisitMembers([&](std::string_view raw, const JsonCursor& value) {
        // An allowed key holds no escape, so a raw key found among them is that key.
        auto at = std::find(allowed.begin(), allowed.end(), raw);
        if (at == allowed.end()) {
            const std::string key = UnescapeKey(raw);
            at = std::find(allowed.begin(), allowed.end(), key);
            if (at == allowed.end()) Fail("unknown key " + Quoted(key));
        }
        if (found) found[at - allowed.begin()] = value;
        return false;
    });
}

bool JsonCursor::Has(std::string_view key) const { return Find(key).has_value(); }

JsonCursor JsonCursor::Key(std::string_view key) const {
    std::optional<JsonCursor> member = Find(key);
    if (!member) Fail("missing key " + Quoted(key));
    return *member;
}

std::optional<JsonCursor> JsonCursor::Find(std::string_view key) const {
    std::optional<JsonCursor> found;
    VisitMembers([&](std::string_view raw, const JsonCursor& value) {
        const bool same = raw.find('\\') == std::string_view::npos ? raw == key : UnescapeKey(raw) == key;
        if (same) found = value;
        return same;
    });
    return found;
}

std::vector<std::pair<std::string, JsonCursor>> JsonCursor::Members() const {
    std::vector<std::pair<std::string, JsonCursor>> members;
    VisitMembers([&](std::string_view raw, const JsonCursor& value) {
        members.emplace_back(UnescapeKey(raw), value);
        return false;
    });
    return members;
}

std::size_t JsonCursor::Size() const {
    if (!IsArray()) FailExpected("an array");
    return document_->Count(node_, at_);
}

void JsonCursor::ExpectSize(std::size_t count) const {
    const std::size_t size = Size();
    if (size != count) {
        Fail("expected an array of " + std::to_string(count) + " elements, got " + std::to_string(size));
    }
}

JsonCursor JsonCursor::Element(std::size_t i) const {
    const auto index = static_cast<std::uint32_t>(i);
    if (document_->InText(node_, at_)) return JsonCursor(*document_, node_, document_->ElementAt(node_, at_, index));
    return JsonCursor(*document_, document_->Child(node_, index), JsonDocument::kWhole);
}

bool JsonCursor::Bool() const {
    const JsonKind kind = Kind();
    if (kind == JsonKind::True || kind == JsonKind::False) return kind == JsonKind::True;
    if (document_->Bools() == BoolForm::TrueFalseOrZeroOne) {
        const std::string_view token = Token();
        if (token == "0" || token == "1") return token == "1";
        FailExpected("true, false, 0 or 1");
    }
    FailExpected("true or false");
}

float JsonCursor::Number() const {
    const std::string_view token = Token();
    const JsonKind kind = ScalarKind(token);
    if (!IsNumber(kind)) FailExpected("a number");
    const double value = DoubleOf(token, kind);
    if (!(std::fabs(value) <= FLT_MAX)) Fail(Dump(token, kind) + " is too large for a single-precision number");
    return static_cast<float>(value);
}

float JsonCursor::Number(float min, float max) const {
    const float value = Number();
    if (value < min || value > max) {
        Fail(Dump(Token(), Kind()) + " is out of range " + ShortNumber(min) + ".." + ShortNumber(max));
    }
    return value;
}

std::int64_t JsonCursor::Integer(std::int64_t min, std::int64_t max) const {
    const std::string_view token = Token();
    const JsonKind kind = ScalarKind(token);
    if (kind != JsonKind::Unsigned && kind != JsonKind::Negative) FailExpected("an integer");
    // Non-negative integers may exceed int64.
    const std::uint64_t magnitude = Magnitude(token);
    const bool tooLarge = kind == JsonKind::Unsigned && magnitude > static_cast<std::uint64_t>(max);
    const std::int64_t value = tooLarge                     ? max
                               : kind == JsonKind::Unsigned ? static_cast<std::int64_t>(magnitude)
                                                            : SignedValue(token, kind);
    if (tooLarge || value < min || value > max) {
        Fail(Dump(token, kind) + " is out of range " + std::to_string(min) + ".." + std::to_string(max));
    }
    return value;
}

std::uint32_t JsonCursor::Index(std::size_t count, std::string_view what) const {
    const std::string_view token = Token();
    const JsonKind kind = ScalarKind(token);
    if (kind != JsonKind::Unsigned && kind != JsonKind::Negative) FailExpected("an index");
    if (kind == JsonKind::Negative || Magnitude(token) >= count) {
        const std::string shown = Dump(token, kind);
        if (count == 0) Fail("index " + shown + " is out of range: there are no " + std::string(what));
        Fail("index " + shown + " is out of range 0.." + std::to_string(count - 1) + " of the " + std::string(what));
    }
    return static_cast<std::uint32_t>(Magnitude(token));
}

bool JsonCursor::TextTriple(std::string_view* tokens) const {
    return IsArray() && document_->InText(node_, at_) && document_->PackedTokens(node_, at_, tokens, 3) == 3;
}

std::array<std::uint32_t, 3> JsonCursor::IndexTriple(std::size_t count, std::string_view what) const {
    // A face's corners are read by the million: one pass over the three
    // tokens, and the element by element reads only to report a fault.
    std::string_view tokens[3];
    if (TextTriple(tokens)) {
        std::array<std::uint32_t, 3> corners{};
        bool valid = true;
        for (int i = 0; i < 3 && valid; ++i) {
            std::uint64_t value = 0;
            const auto [end, error] = std::from_chars(tokens[i].data(), tokens[i].data() + tokens[i].size(), value);
            valid = error == std::errc() && end == tokens[i].data() + tokens[i].size() && value < count;
            corners[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(value);
        }
        if (valid) return corners;
    }
    ExpectSize(3);
    // Braces keep the elements' order, so the first bad index is the one reported.
    return {Element(0).Index(count, what), Element(1).Index(count, what), Element(2).Index(count, what)};
}

std::string JsonCursor::Utf8() const {
    if (!IsString()) FailExpected("a string");
    return Unescape(Token());
}

std::string JsonCursor::Text() const {
    std::string text;
    char32_t unmappable = 0;
    if (!Utf8ToWindows1252(Utf8(), text, unmappable)) Fail(UnmappableMessage(unmappable));
    return text;
}

Point3 JsonCursor::Vector() const {
    // Vertices are read by the million: one pass over the three tokens, and
    // the element by element reads only to report a fault.
    std::string_view tokens[3];
    if (TextTriple(tokens)) {
        float xyz[3];
        bool valid = true;
        for (int i = 0; i < 3 && valid; ++i) {
            double value = 0;
            const auto [end, error] = std::from_chars(tokens[i].data(), tokens[i].data() + tokens[i].size(), value);
            valid = error == std::errc() && end == tokens[i].data() + tokens[i].size() && std::fabs(value) <= FLT_MAX;
            xyz[i] = static_cast<float>(value);
        }
        if (valid) return Point3{xyz[0], xyz[1], xyz[2]};
    }
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
