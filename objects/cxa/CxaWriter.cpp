#include "objects/cxa/CxaWriter.h"

#include "host/os/Files.h"
#include "objects/cxa/CxaFormat.h"

#include <cstdint>
#include <limits>

namespace cxa {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text as a C string holds it: up to its first NUL.
std::string_view CText(std::string_view text) { return text.substr(0, text.find('\0')); }

bool FitsAndStore(CxaOutput& out, std::string_view text, std::size_t maxLength) {
    const std::string_view stored = CText(text);
    if (stored.size() > maxLength) return false;
    out.String(stored);
    return true;
}

bool WriteRow(CxaOutput& out, const PropertyRow& row) {
    const std::int32_t code = PropTypeCode(row.type);
    if (code < 0) return false;
    out.I32(code);
    out.I32(DefaultFromText(row.defaultText));
    return FitsAndStore(out, row.name, kMaxNameLength) && FitsAndStore(out, row.t3dName, kMaxT3dNameLength) &&
           FitsAndStore(out, row.enumValues, kMaxEnumValuesLength);
}

bool WriteGeometry(CxaOutput& out, const DefinitionForm& form, const GeometryAppender& appendGeometry) {
    if (!form.useCustomGeometry) {
        out.I32(0);
        out.I32(0);
        return true;
    }
    return !form.asePath.empty() && appendGeometry && appendGeometry(form.asePath, out);
}

}  // namespace

std::int32_t DefaultFromText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    // Magnitude up to one past the largest i32, enough for both limits.
    constexpr std::int64_t kCap = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (magnitude < kCap) magnitude = magnitude * 10 + (text[i] - '0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < lowest ? lowest : value > highest ? highest : value);
}

bool EncodeDefinition(const DefinitionForm& form, const GeometryAppender& appendGeometry, std::string& bytes) {
    CxaOutput out;
    out.U32(kStartMagic);
    if (CText(form.className).empty() || !FitsAndStore(out, form.className, kMaxClassNameLength)) return false;
    out.I32(static_cast<std::int32_t>(form.rows.size()));
    for (const PropertyRow& row : form.rows) {
        if (!WriteRow(out, row)) return false;
    }
    out.I32(form.useCustomGeometry ? 1 : 0);
    out.I32(form.renderable ? 1 : 0);
    out.I32(form.wireframe ? 1 : 0);
    if (!WriteGeometry(out, form, appendGeometry)) return false;
    out.U32(kEndMagic);
    bytes = out.Bytes();
    return true;
}

bool WriteDefinitionFile(std::string_view path, const DefinitionForm& form, const GeometryAppender& appendGeometry) {
    std::string bytes;
    return EncodeDefinition(form, appendGeometry, bytes) && os::ReplaceFile(path, bytes);
}

}  // namespace cxa
