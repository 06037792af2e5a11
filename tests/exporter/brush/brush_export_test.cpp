#include "BrushFixture.h"
#include "BrushMeshes.h"
#include "PointMatchers.h"

#include "host/scene/MeshConversion.h"
#include "host/scene/PlainObjects.h"
#include "host/scene/PolyObject.h"
#include "tests/exporter/contract/ContractDoubles.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t kSolid = 0;
constexpr std::int32_t kSemiSolid = 1;
constexpr std::int32_t kNotSolid = 2;
constexpr std::int32_t kAdd = 0;
constexpr std::int32_t kSubtract = 1;

const Point3 kOrigin(0.0f, 0.0f, 0.0f);

// A host object that offers a triangle form, and a polygon form only when
// asked to; it counts the converted copies still alive.
class ConvertingObject : public GeomObject {
public:
    ConvertingObject(PolyMesh polygons, bool offersPolygons, int& alive)
        : polygons_(std::move(polygons)), offersPolygons_(offersPolygons), alive_(alive) {}

    Class_ID ClassID() const override { return Class_ID(0x0C7AB001, 0); }
    bool CanConvertToType(Class_ID type) override {
        return type == TRIOBJ_CLASS_ID || (offersPolygons_ && type == POLYOBJ_CLASS_ID);
    }
    Object* ConvertToType(TimeValue, Class_ID type) override {
        if (type == TRIOBJ_CLASS_ID) return new Counted<TriObject>(alive_, TriangulatePolyMesh(polygons_));
        if (offersPolygons_ && type == POLYOBJ_CLASS_ID) return new Counted<PolyObject>(alive_, polygons_);
        return nullptr;
    }

private:
    template <class Form>
    class Counted : public Form {
    public:
        template <class Geometry>
        Counted(int& alive, Geometry geometry) : Form(std::move(geometry)), alive_(alive) {
            ++alive_;
        }
        ~Counted() override { --alive_; }

    private:
        int& alive_;
    };

    PolyMesh polygons_;
    bool offersPolygons_;
    int& alive_;
};

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

std::vector<std::size_t> VertexCounts(const std::vector<WrittenPolygon>& polygons) {
    std::vector<std::size_t> counts;
    for (const WrittenPolygon& polygon : polygons) counts.push_back(polygon.vertices.size());
    return counts;
}

TEST_F(BrushExportTest, WritesTheBrushActorBlock) {
    options->Package = "Level";
    options->Group = "3dsmax";
    BitmapTex* bricks = Bitmap("C:\\tex\\Bricks.bmp");
    bricks->SetSize(256, 256);
    Mesh wall = TriangleMesh(kOrigin, Point3(128.0f, 0.0f, 0.0f), Point3(0.0f, 128.0f, 0.0f));
    MapTriangle(wall, 1, {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    TestBrushModifier brush(kSolid, kAdd, 0);
    EXPECT_EQ(WriteBrush(AddBrushNode("Wall01", std::move(wall), Standard(bricks)), &brush), 0);
    EXPECT_EQ(writer.Depth(), 1);

    const std::vector<std::string> expected = {
        "\tBegin Actor Class=Brush Name=Wall01",
        "\t\tbHidden=True",  // the modifier's common property lines
        "\t\tCsgOper=CSG_Add",
        "\t\tMainScale=(SheerAxis=SHEER_ZX)",
        "\t\tPostScale=(SheerAxis=SHEER_ZX)",
        "\t\tPolyFlags=0",
        "\t\tTag=\"Wall01\"",
        "\t\tBegin Brush Name=Wall01_BRUSH",
        "\t\t\tBegin PolyList",
        "\t\t\t\tBegin Polygon Texture=Level_T.3dsmax.Bricks",
        "\t\t\t\t\tOrigin   0.000000,0.000000,0.000000",
        "\t\t\t\t\tNormal   0.000000,0.000000,1.000000",
        "\t\t\t\t\tTextureU -2.000000,0.000000,0.000000",
        "\t\t\t\t\tTextureV 0.000000,-2.000000,0.000000",
        "\t\t\t\t\tVertex   -128.000000,0.000000,0.000000",
        "\t\t\t\t\tVertex   0.000000,0.000000,0.000000",
        "\t\t\t\t\tVertex   0.000000,128.000000,0.000000",
        "\t\t\t\tEnd Polygon",
        "\t\t\tEnd PolyList",
        "\t\tEnd Brush",
        "\t\tBrush=Model'myLevel.Wall01_BRUSH'",
        "\t\tName=\"Wall01\"",
        "\tEnd Actor",
    };
    const std::vector<std::string> lines = ActorLines();
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i;
}

TEST_F(BrushExportTest, CsgOperationAndPolyFlagsFollowTheModifier) {
    const struct {
        std::int32_t type;
        std::int32_t operation;
        std::uint32_t flags;
        const char* csgOper;
        const char* polyFlags;
    } cases[] = {
        {kSemiSolid, 0, 0x00000001, "CSG_Add", "33"},
        {kNotSolid, 1, 0x00000000, "CSG_Subtract", "8"},
        {kSolid, 2, 0x00000100, "CSG_Intersect", "256"},
        {kSolid, 3, 0x00000000, "CSG_Deintersect", "0"},
        // Portal and Mirrored.
        {kSemiSolid, 0, 0x0C000000, "CSG_Add", "201326624"},
        {kNotSolid, 0, 0x0C000000, "CSG_Add", "201326600"},
    };
    for (const auto& c : cases) {
        TestBrushModifier brush(c.type, c.operation, c.flags);
        EXPECT_EQ(WriteBrush(AddBrushNode("Door", new TriObject(Mesh())), &brush), 0);
    }
    const std::string text = ActorText();
    std::size_t at = 0;
    for (const auto& c : cases) {
        const std::string block = std::string("\t\tCsgOper=") + c.csgOper +
                                  "\r\n\t\tMainScale=(SheerAxis=SHEER_ZX)\r\n\t\tPostScale=(SheerAxis=SHEER_ZX)\r\n"
                                  "\t\tPolyFlags=" + c.polyFlags + "\r\n";
        at = text.find(block, at);
        ASSERT_NE(at, std::string::npos) << c.csgOper << " " << c.polyFlags;
        // The model lives in the level's own package, whatever the export's
        // package (here Castle) is.
        at = text.find("\t\tBrush=Model'myLevel.Door_BRUSH'\r\n", at);
        ASSERT_NE(at, std::string::npos);
    }
}

TEST_F(BrushExportTest, AdditiveBrushesReverseTheHostWindingSubtractiveOnesKeepIt) {
    const Mesh triangle = TriangleMesh(kOrigin, Point3(10.0f, 0.0f, 0.0f), Point3(0.0f, 10.0f, 0.0f));
    TestBrushModifier additive(kSolid, kAdd, 0);
    TestBrushModifier subtractive(kSolid, kSubtract, 0);
    WriteBrush(AddBrushNode("Add", triangle), &additive);
    WriteBrush(AddBrushNode("Cut", triangle), &subtractive);

    const std::vector<WrittenPolygon> polygons = Polygons();
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].vertices,
              (std::vector<Point3>{{-10.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 10.0f, 0.0f}}));
    EXPECT_EQ(polygons[1].vertices,
              (std::vector<Point3>{{0.0f, 10.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {-10.0f, 0.0f, 0.0f}}));
}

TEST_F(BrushExportTest, TrianglesOrModelledPolygonsBecomeBrushPolygons) {
    TestBrushModifier brush(kSolid, kAdd, 0);
    SceneNode* box = AddBrushNode("Box", new BoxObject(10.0f, 10.0f, 10.0f));
    WriteBrush(box, &brush);
    options->AltBrushes = 1;
    WriteBrush(box, &brush);
    // Without a polygon form the triangles stand in. Every converted copy is
    // released.
    int alive = 0;
    WriteBrush(AddBrushNode("TrianglesOnly", new ConvertingObject(QuadMesh(), false, alive)), &brush);
    EXPECT_EQ(alive, 0);
    WriteBrush(AddBrushNode("Both", new ConvertingObject(QuadMesh(), true, alive)), &brush);
    EXPECT_EQ(alive, 0);

    const std::vector<WrittenPolygon> polygons = Polygons();
    ASSERT_EQ(polygons.size(), 12u + 6u + 2u + 1u);
    const std::vector<WrittenPolygon> triangles(polygons.begin(), polygons.begin() + 12);
    const std::vector<WrittenPolygon> quads(polygons.begin() + 12, polygons.begin() + 18);
    EXPECT_EQ(VertexCounts(triangles), std::vector<std::size_t>(12, 3));
    EXPECT_EQ(VertexCounts(quads), std::vector<std::size_t>(6, 4));
    EXPECT_EQ(VertexCounts({polygons.begin() + 18, polygons.end()}), (std::vector<std::size_t>{3, 3, 4}));

    // The host's face normals in the triangle form, (1,1,1) in the polygon form.
    EXPECT_EQ(triangles[0].normal, Point3(0.0f, 0.0f, -1.0f)) << triangles[0].normal;
    EXPECT_EQ(triangles[2].normal, Point3(0.0f, 0.0f, 1.0f)) << triangles[2].normal;
    EXPECT_EQ(polygons[18].normal, Point3(0.0f, 0.0f, 1.0f)) << polygons[18].normal;
    for (const WrittenPolygon& quad : quads) EXPECT_EQ(quad.normal, Point3(1.0f, 1.0f, 1.0f)) << quad.normal;
    // The box's top, at height 10, with its corners mirrored and reversed.
    EXPECT_EQ(quads[1].vertices, (std::vector<Point3>{{5.0f, 5.0f, 10.0f},
                                                      {-5.0f, 5.0f, 10.0f},
                                                      {-5.0f, -5.0f, 10.0f},
                                                      {5.0f, -5.0f, 10.0f}}));
}

TEST_F(BrushExportTest, SnappingMovesTheVerticesBeforeTheTextureAxesAreFound) {
    BitmapTex* bricks = Bitmap("C:\\tex\\Bricks.bmp");
    bricks->SetSize(256, 256);
    // Close to the Wall01 triangle, which lies on grid 16.
    Mesh offGrid = TriangleMesh(Point3(3.0f, 2.0f, -7.9f), Point3(130.0f, 0.5f, 0.0f), Point3(0.0f, 125.0f, 8.0f));
    MapTriangle(offGrid, 1, {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f});
    TestBrushModifier brush(kSolid, kAdd, 0);
    SceneNode* node = AddBrushNode("Wall", std::move(offGrid), Standard(bricks));
    WriteBrush(node, &brush);
    options->SnapBrushes = 1;
    options->SnapToSize = 4;
    WriteBrush(node, &brush);

    const std::vector<WrittenPolygon> polygons = Polygons();
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].vertices[2], Point3(0.0f, 125.0f, 8.0f)) << polygons[0].vertices[2];
    EXPECT_NE(polygons[0].origin, Point3()) << polygons[0].origin;
    EXPECT_EQ(polygons[1].vertices,
              (std::vector<Point3>{{-128.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 128.0f, 0.0f}}));
    EXPECT_EQ(polygons[1].origin, Point3()) << polygons[1].origin;
    EXPECT_EQ(polygons[1].textureU, Point3(-2.0f, 0.0f, 0.0f)) << polygons[1].textureU;
    EXPECT_EQ(polygons[1].textureV, Point3(0.0f, -2.0f, 0.0f)) << polygons[1].textureV;
}

TEST_F(BrushExportTest, FacesWithoutADiffuseBitmapHaveNoTextureAndFixedAxes) {
    BitmapTex* bricks = Bitmap("C:\\tex\\Old Stone.bmp");
    bricks->SetSize(64, 64);
    auto* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    multi->AddSubMtl(Standard(bricks));
    multi->AddSubMtl(Standard(nullptr));
    Mesh twoFaces = TriangleMesh(kOrigin, Point3(64.0f, 0.0f, 0.0f), Point3(0.0f, 64.0f, 0.0f), 1);
    twoFaces.setNumFaces(2);
    twoFaces.getFace(1).setVerts(0, 1, 2);
    TestBrushModifier brush(kSolid, kAdd, 0);
    WriteBrush(AddBrushNode("Pillar", std::move(twoFaces), multi), &brush);

    const std::vector<WrittenPolygon> polygons = Polygons();
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].texture, "");
    EXPECT_EQ(polygons[0].origin, Point3(493.0f, 493.0f, 493.0f)) << polygons[0].origin;
    EXPECT_EQ(polygons[0].textureU, Point3(1.0f, 0.0f, 0.0f)) << polygons[0].textureU;
    EXPECT_EQ(polygons[0].textureV, Point3(0.0f, 1.0f, 0.0f)) << polygons[0].textureV;
    // Face 1 has the bitmap but no coordinates: the bitmap once across it.
    EXPECT_EQ(polygons[1].texture, "Castle_T.Misc.Old_Stone");
    EXPECT_EQ(polygons[1].textureU, Point3(1.0f, -1.0f, 0.0f)) << polygons[1].textureU;
    EXPECT_EQ(polygons[1].textureV, Point3(0.0f, -1.0f, 0.0f)) << polygons[1].textureV;
}

TEST_F(BrushExportTest, NothingIsWrittenWithoutTheBrushModifierOrATriangleMesh) {
    const Mesh triangle = TriangleMesh(kOrigin, Point3(10.0f, 0.0f, 0.0f), Point3(0.0f, 10.0f, 0.0f));
    SceneNode* node = AddBrushNode("Wall", triangle);
    TestPropertyModifier properties;
    TestMoverModifier mover;
    TestBrushModifier unknownOperation(kSolid, 4, 0);
    TestBrushModifier brush(kSolid, kAdd, 0);
    EXPECT_EQ(WriteBrush(node, nullptr), 1);
    EXPECT_EQ(WriteBrush(node, &properties), 1);
    EXPECT_EQ(WriteBrush(node, &mover), 1);
    EXPECT_EQ(WriteBrush(node, &unknownOperation), 1);
    EXPECT_EQ(WriteBrush(AddBrushNode("Path", new SplineShape), &brush), 1);
    EXPECT_EQ(writer.Depth(), 1);
    EXPECT_EQ(ActorText(), "");
}

TEST_F(BrushExportTest, EmptyMeshesAndPolygonsWithoutCornersLeaveNoBlockOpen) {
    TestBrushModifier brush(kSolid, kAdd, 0);
    EXPECT_EQ(WriteBrush(AddBrushNode("Empty", Mesh()), &brush), 0);
    PolyMesh gap = QuadMesh();
    gap.addFace({});
    gap.addFace({3, 2, 1, 0});
    options->AltBrushes = 1;
    EXPECT_EQ(WriteBrush(AddBrushNode("Gap", new PolyObject(std::move(gap))), &brush), 0);
    EXPECT_EQ(writer.Depth(), 1);

    const std::string text = ActorText();
    EXPECT_NE(text.find("Name=Empty_BRUSH\r\n\t\t\tBegin PolyList\r\n\t\t\tEnd PolyList\r\n\t\tEnd Brush\r\n"),
              std::string::npos)
        << text;
    // The polygon without corners is left out, and every block is closed.
    const std::string gapActor = text.substr(text.find("Name=Gap"));
    EXPECT_EQ(Occurrences(gapActor, "Begin Polygon"), 2u);
    EXPECT_EQ(Occurrences(gapActor, "End Polygon"), 2u);
    EXPECT_EQ(gapActor.substr(gapActor.size() - 12), "\tEnd Actor\r\n");
}

}  // namespace
