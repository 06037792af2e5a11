#include "actorbuilder/DefinitionFile.h"

#include "actorbuilder/AseGeometryReader.h"
#include "host/os/Files.h"
#include "objects/cxa/CxaFormat.h"

#include <charconv>

namespace actorbuilder {
namespace {

std::string TooLong(std::string_view field, std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return {};
    return std::string(field) + " is " + std::to_string(text.size()) + " characters long; the readers keep " +
           std::to_string(limit);
}

std::string NotMapName(std::string_view field, std::string_view name) {
    return cxa::IsMapName(name) ? std::string() : std::string(field) + " " + cxa::kMapNameRule;
}

// Decimal digits with an optional sign, within the 32-bit range.
bool ParseWholeNumber(std::string_view text, std::int32_t& value) {
    const bool plus = !text.empty() && text[0] == '+';
    if (plus) text.remove_prefix(1);
    if (text.empty() || (plus && text[0] == '-')) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

std::string DefaultProblem(std::int32_t type, std::string_view text, std::string_view enumValues,
                           std::int32_t& value) {
    if (!ParseWholeNumber(text, value)) return "the default " + std::string(text) + " is no 32-bit whole number";
    if (type == cxa::kEnum) {
        if (enumValues.empty()) return "an ENUM property needs its enum values";
        const std::size_t items = cxa::EnumItems(enumValues).size();
        if (value < 0 || static_cast<std::size_t>(value) >= items)
            return "the default " + std::to_string(value) + " is no item of the " + std::to_string(items) +
                   " enum values (they count from 0)";
        return {};
    }
    if (!enumValues.empty()) return "enum values are for ENUM properties only";
    if (type == cxa::kBoolean && value != 0 && value != 1) return "a BOOLEAN default is 0 or 1";
    if (type == cxa::kByte && (value < 0 || value > 255)) return "a BYTE default is 0 to 255";
    return {};
}

std::string RowProblem(const cxa::PropertyRow& row) {
    const std::int32_t type = cxa::PropTypeCode(row.type);
    if (type < 0) return "the type " + row.type + " is none of the six";
    std::int32_t value = 0;
    for (const std::string& problem :
         {TooLong("the name", row.name, cxa::kMaxNameLength),
          TooLong("the T3D name", row.t3dName, cxa::kMaxT3dNameLength), NotMapName("the T3D name", row.t3dName),
          TooLong("the enum values", row.enumValues, cxa::kMaxEnumValuesLength),
          DefaultProblem(type, row.defaultText.empty() ? "0" : row.defaultText, row.enumValues, value)}) {
        if (!problem.empty()) return problem;
    }
    return {};
}

std::string FormProblem(const cxa::DefinitionForm& form) {
    if (form.className.empty()) return "the class name is empty";
    for (const std::string& problem : {TooLong("the class name", form.className, cxa::kMaxClassNameLength),
                                       NotMapName("the class name", form.className)}) {
        if (!problem.empty()) return problem;
    }
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        if (std::string problem = RowProblem(form.rows[i]); !problem.empty())
            return "property " + std::to_string(i + 1) + " (" + form.rows[i].name + "): " + problem;
    }
    if (form.useCustomGeometry && form.asePath.empty()) return "custom geometry without an ASE file";
    return {};
}

bool SaveDefinition(std::string_view path, const cxa::DefinitionForm& form, std::string& error) {
    error = FormProblem(form);
    std::string aseError;
    const auto appendGeometry = [&aseError](std::string_view asePath, cxa::CxaOutput& out) {
        return ReadAseGeometryFile(asePath, out, aseError);
    };
    if (error.empty() && !cxa::WriteDefinitionFile(path, form, appendGeometry))
        error = aseError.empty() ? "cannot write " + std::string(path) + ": " + os::LastError() : aseError;
    return error.empty();
}

}  // namespace actorbuilder
