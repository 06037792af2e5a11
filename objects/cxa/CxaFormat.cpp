#include "objects/cxa/CxaFormat.h"

#include <algorithm>

namespace cxa {

namespace {

constexpr std::string_view kTypeNames[kPropTypeCount] = {"BOOLEAN", "INTEGER", "BYTE", "FLOAT", "ENUM", "COLOUR"};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view PropTypeName(std::int32_t code) {
    return code >= 0 && code < kPropTypeCount ? kTypeNames[code] : std::string_view{};
}

std::int32_t PropTypeCode(std::string_view name) {
    for (std::int32_t code = 0; code < kPropTypeCount; ++code) {
        if (EqualIgnoringCase(name, kTypeNames[code])) return code;
    }
    return -1;
}

bool IsMapName(std::string_view name) {
    return std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F || c == '"' || c == '=';
    });
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::vector<std::string_view> EnumItems(std::string_view values) {
    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
        const std::size_t comma = values.find(',', start);
        items.push_back(values.substr(start, comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 1;
    }
}

}  // namespace cxa
