#pragma once
// A value of a scene file. Every read checks the value's type and range and,
// on a fault, throws ReadError naming the value's JSON path, so the readers
// state what they expect and nothing more. The path is worked out only for
// a fault; a cursor is three words and lives as long as its document.

#include "host/math/Point3.h"
#include "host/scenekeys/JsonDocument.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scenefile {

class JsonCursor {
public:
    // The document itself.
    explicit JsonCursor(const JsonDocument& document)
        : JsonCursor(document, JsonDocument::kRoot, JsonDocument::kWhole) {}

    // As JsonPath formats it; empty for the document itself.
    std::string Path() const;
    [[noreturn]] void Fail(const std::string& what) const;
    // "expected <expected>, got <this value>".
    [[noreturn]] void FailExpected(std::string_view expected) const;

    bool IsString() const { return Kind() == JsonKind::String; }
    bool IsObject() const { return Kind() == JsonKind::Object; }
    bool IsArray() const { return Kind() == JsonKind::Array; }
    bool IsNull() const { return Kind() == JsonKind::Null; }

    // Objects, whose keys keep their file order, so the first fault in the
    // file is the one reported. ExpectKeys fails unless this is an object
    // whose keys are all among allowed.
    void ExpectKeys(std::initializer_list<std::string_view> allowed) const;
    // The same in the pass that hands out the members: found[i] is the
    // member of allowed key i, or empty; for objects read by the million.
    void ExpectKeys(std::initializer_list<std::string_view> allowed, std::optional<JsonCursor>* found) const;
    // For a test that holds the documented keys against the readers': while
    // set, every ExpectKeys call reports its path and allowed keys to it.
    using KeyListRecorder = void (*)(const std::string& path, std::initializer_list<std::string_view> allowed);
    static void RecordKeyLists(KeyListRecorder recorder);
    bool Has(std::string_view key) const;
    // The member, which must be there.
    JsonCursor Key(std::string_view key) const;
    std::optional<JsonCursor> Find(std::string_view key) const;
    // Every member in file order; fails unless this is an object.
    std::vector<std::pair<std::string, JsonCursor>> Members() const;

    // Arrays. Size fails unless this is an array; the second form also
    // unless it has exactly count elements.
    std::size_t Size() const;
    void ExpectSize(std::size_t count) const;
    JsonCursor Element(std::size_t i) const;

    bool Bool() const;
    // Any number that a float holds.
    float Number() const;
    float Number(float min, float max) const;
    std::int64_t Integer(std::int64_t min, std::int64_t max) const;
    // An index into a list of count items, named by what ("vertices").
    std::uint32_t Index(std::size_t count, std::string_view what) const;
    // [a, b, c], three such indexes.
    std::array<std::uint32_t, 3> IndexTriple(std::size_t count, std::string_view what) const;
    // The string as written in the file (UTF-8).
    std::string Utf8() const;
    // The string as host text (Windows-1252).
    std::string Text() const;
    // [x, y, z], numbers.
    Point3 Vector() const;
    // [r, g, b], each 0..1.
    Point3 Color() const;

    // The member's value, or fallback when the key is absent.
    bool Bool(std::string_view key, bool fallback) const;
    float Number(std::string_view key, float fallback) const;
    std::int64_t Integer(std::string_view key, std::int64_t min, std::int64_t max, std::int64_t fallback) const;

private:
    JsonCursor(const JsonDocument& document, JsonNode node, std::uint32_t at)
        : document_(&document), node_(node), at_(at) {}

    JsonKind Kind() const { return document_->Kind(node_, at_); }
    std::string_view Token() const { return document_->Token(node_, at_); }
    // The kind of the scalar whose token is given, without finding it again.
    JsonKind ScalarKind(std::string_view token) const {
        return at_ == JsonDocument::kWhole ? Kind() : TokenKind(token);
    }
    void ExpectObject() const;
    // The tokens of an array of three numbers kept in the text; false for
    // any other value.
    bool TextTriple(std::string_view* tokens) const;
    // Calls visit(raw key, value) for each member in file order until it
    // returns true; fails unless this is an object.
    template <class Visit>
    void VisitMembers(Visit visit) const;
    // The value of a number token, with any integer exact.
    double Double() const;
    std::string Describe() const;

    const JsonDocument* document_;
    JsonNode node_;
    std::uint32_t at_;  // JsonDocument::kWhole, or the offset of a value kept in the node's text
};

}  // namespace scenefile
