#include "objects/cxa/ActorDefReader.h"

#include "CxaSamples.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using cxa_test::StoredFace;

std::string WithGeometry(const cxa::GeometryAppender& appender) {
    cxa::DefinitionForm form;
    form.className = "Mesh";
    form.useCustomGeometry = true;
    form.renderable = true;
    form.asePath = "mesh.ase";
    std::string bytes;
    EXPECT_TRUE(cxa::EncodeDefinition(form, appender, bytes));
    return bytes;
}

bool Loads(const cxa::GeometryAppender& appender, ActorDef& def) {
    return cxa::ReadActorDef(WithGeometry(appender), "Mesh", def);
}

const ActorFace& OnlyFace(const ActorDef& def) { return def.mesh.value().faces.at(0); }

TEST(CxaGeometry, FacesTakeTheHostForm) {
    ActorDef def;
    ASSERT_TRUE(Loads(cxa_test::GeometryGroup(cxa_test::SampleVertices(), cxa_test::SampleFaces()), def));
    EXPECT_EQ(def.renderable, 1);
    EXPECT_EQ(def.wireframe, 0);
    const ActorMesh& mesh = def.mesh.value();
    ASSERT_EQ(mesh.vertices.size(), 4u);
    EXPECT_EQ(mesh.vertices[3].x, 0.0f);
    EXPECT_EQ(mesh.vertices[3].y, 10.0f);
    EXPECT_EQ(mesh.vertices[3].z, 5.5f);
    EXPECT_EQ(mesh.vertices[1].x, 10.0f);
    ASSERT_EQ(mesh.faces.size(), 2u);
    EXPECT_EQ(mesh.faces[0].verts[0], 0u);
    EXPECT_EQ(mesh.faces[0].verts[1], 1u);
    EXPECT_EQ(mesh.faces[0].verts[2], 2u);
    EXPECT_EQ(mesh.faces[1].verts[2], 3u);
    // Smoothing 33 and 1 are both group 1: the mask 2. Edge AB alone is the
    // host's edge A; CA alone its edge C. Material 2 is the high half.
    EXPECT_EQ(mesh.faces[0].smGroup, 2u);
    EXPECT_EQ(mesh.faces[1].smGroup, 2u);
    EXPECT_EQ(mesh.faces[0].flags, 0x20000u | 1u);
    EXPECT_EQ(mesh.faces[1].flags, 4u);

    const std::vector<ActorVertex> triangle = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    const struct {
        std::int32_t edges, smoothing, materialId;
        std::uint32_t smGroup, flags;
    } cases[] = {
        {2, 0, 0, 1u, 2u},                  // BC alone stays edge B; group 0 is bit 0
        {7, 31, 0, 0x80000000u, 7u},        // all edges; the highest group
        {0, 32, 0xFFFF, 1u, 0xFFFF0000u},   // no edges; the largest material id
        {8, -1, 0x10001, 0x80000000u, 0x10000u},  // bits beyond CA ignored; -1 counts as 31; id cut to 16 bits
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Loads(cxa_test::GeometryGroup(triangle, {{0, 1, 2, c.edges, c.smoothing, c.materialId}}), def));
        EXPECT_EQ(OnlyFace(def).smGroup, c.smGroup) << c.smoothing;
        EXPECT_EQ(OnlyFace(def).flags, c.flags) << c.edges << " " << c.materialId;
    }
}

TEST(CxaGeometry, OnlyTheFirstGroupCounts) {
    const std::vector<ActorVertex> triangle = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    ActorDef def;
    ASSERT_TRUE(Loads(
        [&](std::string_view, cxa::CxaOutput& out) {
            cxa_test::AppendGroup(out, triangle, {{0, 1, 2, 7, 1, 0}});
            cxa_test::AppendGroup(out, cxa_test::SampleVertices(), cxa_test::SampleFaces());
            return true;
        },
        def));
    EXPECT_EQ(def.mesh.value().vertices.size(), 3u);
    EXPECT_EQ(def.mesh.value().faces.size(), 1u);
}

TEST(CxaGeometry, EmptyOrInconsistentGroupsFail) {
    const std::vector<ActorVertex> triangle = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    const auto counts = [](std::int32_t vertices, std::int32_t faces) {
        return [=](std::string_view, cxa::CxaOutput& out) {
            out.I32(vertices);
            for (int i = 0; i < 9; ++i) out.F32(0);
            out.I32(faces);
            for (int i = 0; i < 6; ++i) out.I32(0);
            return true;
        };
    };
    ActorDef def;
    EXPECT_TRUE(Loads(counts(3, 1), def)) << "the crafted group itself is sound";
    EXPECT_FALSE(Loads(counts(0, 1), def));
    EXPECT_FALSE(Loads(counts(-3, 1), def));
    EXPECT_FALSE(Loads(counts(3, 0), def));
    EXPECT_FALSE(Loads(counts(3, -1), def));
    EXPECT_FALSE(Loads(counts(4, 1), def)) << "the vertex count runs into the faces";
    EXPECT_FALSE(Loads(counts(3, 2), def)) << "the data ends inside the faces";
    EXPECT_FALSE(Loads(counts(INT32_MAX, 1), def));
    EXPECT_FALSE(Loads(counts(3, INT32_MAX), def));
    EXPECT_FALSE(Loads([](std::string_view, cxa::CxaOutput&) { return true; }, def)) << "no group at all";

    // A face must name vertices of the group.
    EXPECT_TRUE(Loads(cxa_test::GeometryGroup(triangle, {{2, 1, 0, 7, 0, 0}}), def));
    EXPECT_FALSE(Loads(cxa_test::GeometryGroup(triangle, {{0, 1, 3, 7, 0, 0}}), def));
    EXPECT_FALSE(Loads(cxa_test::GeometryGroup(triangle, {{0, -1, 2, 7, 0, 0}}), def));
    EXPECT_FALSE(Loads(cxa_test::GeometryGroup(triangle, {{0, 1, 2, 7, 0, 0}, {INT32_MIN, 1, 2, 7, 0, 0}}), def));
}

}  // namespace
