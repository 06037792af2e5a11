#include "actorbuilder/DefinitionFile.h"

#include "actorbuilder/AseGeometryReader.h"
#include "host/os/Files.h"
#include "objects/cxa/CxaFormat.h"

namespace actorbuilder {
namespace {

std::string TooLong(std::string_view field, std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return {};
    return std::string(field) + " is " + std::to_string(text.size()) + " characters long; the readers keep " +
           std::to_string(limit);
}

std::string RowProblem(const cxa::PropertyRow& row) {
    if (cxa::PropTypeCode(row.type) < 0) return "the type " + row.type + " is none of the six";
    for (const std::string& problem : {TooLong("the name", row.name, cxa::kMaxNameLength),
                                       TooLong("the T3D name", row.t3dName, cxa::kMaxT3dNameLength),
                                       TooLong("the enum values", row.enumValues, cxa::kMaxEnumValuesLength)}) {
        if (!problem.empty()) return problem;
    }
    return {};
}

}  // namespace

std::string FormProblem(const cxa::DefinitionForm& form) {
    if (form.className.empty()) return "the class name is empty";
    if (std::string problem = TooLong("the class name", form.className, cxa::kMaxClassNameLength); !problem.empty())
        return problem;
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
    if (error.empty()) return true;
    os::DeleteFile(path);
    return false;
}

}  // namespace actorbuilder
