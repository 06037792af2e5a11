#pragma once
// An actor folder for the tests: definitions written by the CXA writer into
// a scratch folder, and libraries built from it.

#include "objects/cxa/ActorLibrary.h"
#include "objects/cxa/CxaWriter.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ActorFolder {
public:
    // A definition of className with rows, without geometry.
    void Write(const std::string& fileName, const std::string& className, std::vector<cxa::PropertyRow> rows = {},
               const cxa::GeometryAppender& geometry = {}) {
        cxa::DefinitionForm form;
        form.className = className;
        form.rows = std::move(rows);
        form.useCustomGeometry = static_cast<bool>(geometry);
        form.asePath = geometry ? "mesh.ase" : "";
        ASSERT_TRUE(cxa::WriteDefinitionFile(folder_ / fileName, form, geometry)) << fileName;
    }
    void WriteBytes(const std::string& fileName, const std::string& bytes) {
        ASSERT_TRUE(os::ReplaceFile(folder_ / fileName, bytes)) << fileName;
    }
    void Remove(const std::string& fileName) { os::DeleteFile(folder_ / fileName); }

    const std::string& Path() const { return folder_.Path(); }

    // A library built from the folder as it is now.
    ActorLibrary& Library() {
        libraries_.emplace_back(std::make_unique<ActorLibrary>());
        libraries_.back()->Build(Path());
        return *libraries_.back();
    }

private:
    ScratchFolder folder_;
    std::vector<std::unique_ptr<ActorLibrary>> libraries_;
};

// One triangle (0,0,0), (size,0,0), (0,size,0) with all edges visible,
// smoothing group 1 and material id materialId, as the writer stores it.
inline cxa::GeometryAppender OneTriangle(float size, std::int32_t materialId) {
    return [size, materialId](std::string_view, cxa::CxaOutput& out) {
        out.I32(3);
        for (float f : {0.f, 0.f, 0.f, size, 0.f, 0.f, 0.f, size, 0.f}) out.F32(f);
        out.I32(1);
        for (std::int32_t field : {0, 1, 2, 7, 1, materialId}) out.I32(field);
        return true;
    };
}

// The three properties of the export example: a BOOLEAN, a FLOAT and an ENUM.
inline std::vector<cxa::PropertyRow> FlagSpeedModeRows() {
    return {{"Flag", "BOOLEAN", "bFlag", "1", ""},
            {"Speed", "FLOAT", "Speed", "2", ""},
            {"Mode", "ENUM", "Mode", "1", "Low,High"}};
}
