#pragma once
// A value of the scene file with its JSON path. Every read checks the
// value's type and range and, on a fault, throws ReadError naming the path,
// so the readers state what they expect and nothing more.

#include "host/math/Point3.h"

#include <nlohmann/json_fwd.hpp>

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

// Objects keep their keys in file order, so the first fault in the file is
// the one reported.
using Json = nlohmann::ordered_json;

class JsonCursor {
public:
    // The document itself has the empty path.
    JsonCursor(const Json& value, std::string path);

    const std::string& Path() const { return path_; }
    [[noreturn]] void Fail(const std::string& what) const;
    // "expected <expected>, got <this value>".
    [[noreturn]] void FailExpected(std::string_view expected) const;

    bool IsString() const;
    bool IsObject() const;
    bool IsArray() const;
    bool IsNull() const;

    // Objects. ExpectKeys fails unless this is an object whose keys are all
    // among allowed.
    void ExpectKeys(std::initializer_list<std::string_view> allowed) const;
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
    void ExpectObject() const;

    const Json* value_;
    std::string path_;
};

}  // namespace scenefile
