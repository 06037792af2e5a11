#include "StaticMeshFixture.h"

#include "host/scene/HostClassIds.h"

#include <string>
#include <vector>

namespace {

using StaticMeshFileTest = StaticMeshTest;

std::string GoldenText(const std::string& name) {
    return FileContents(std::string(CORVATRIX_SOURCE_DIR) + "/tests/exporter/staticmesh/golden/" + name);
}

// The part of text from the line that starts with first up to (not
// including) the line that starts with next; empty when first is missing.
std::string Section(const std::string& text, const std::string& first, const std::string& next) {
    const std::size_t start = text.find(first);
    if (start == std::string::npos) return {};
    const std::size_t end = text.find(next, start + first.size());
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The material ids of the face lines, in order.
std::vector<int> MaterialIds(const std::string& text) {
    std::vector<int> ids;
    const std::string key = "*MESH_MTLID ";
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        ids.push_back(std::stoi(text.substr(at + key.size(), 3)));
    }
    return ids;
}

// The whole file of Triangle() without textures. Such a node reads its
// coordinate channels as channel 0, which the triangle lacks: the second
// channel's block is there, empty.
std::string TriangleFile(const std::string& name, const std::string& materialId) {
    return "*3DSMAX_ASCIIEXPORT 200\r\n"
           "*COMMENT \"corvatrix ASE File Export v3.0\"\r\n"
           "*GEOMOBJECT {\r\n"
           "\t*NODE_NAME \"" + name + "\"\r\n"
           "\t*MESH {\r\n"
           "\t\t*MESH_NUMVERTEX 3\r\n"
           "\t\t*MESH_VERTEX_LIST {\r\n"
           "\t\t\t*MESH_VERTEX     0\t0.000000\t0.000000\t0.000000\r\n"
           "\t\t\t*MESH_VERTEX     1\t1.000000\t0.000000\t0.000000\r\n"
           "\t\t\t*MESH_VERTEX     2\t0.000000\t1.000000\t0.000000\r\n"
           "\t\t}\r\n"
           "\t\t*MESH_NUMFACES 1\r\n"
           "\t\t*MESH_FACE_LIST {\r\n"
           "\t\t\t*MESH_FACE     0: A:    0 B:    1 C:    2 AB:1 BC:1 CA:1 *MESH_SMOOTHING 1\t*MESH_MTLID " +
           materialId + "\n"
           "\t\t}\r\n"
           "\t\t*MESH_MAPPINGCHANNEL 2 {\r\n"
           "\t\t}\r\n"
           "\t}\r\n"
           "}\r\n";
}

TEST_F(StaticMeshFileTest, BoxWithABitmapMatchesItsGoldenFile) {
    // The node's transform stays out of the file: vertices are in object space.
    SceneNode* node = AddObjectNode("Box01", scene.Adopt(new BoxObject(20.0f, 10.0f, 5.0f)),
                                    Standard(Bitmap("C:\\textures\\Stone Wall.bmp")));
    node->SetPosition({100.0f, 200.0f, -50.0f});
    node->SetRotation(QFromAngAxis(0.5f, Point3(0.0f, 0.0f, 1.0f)));
    EXPECT_EQ(MeshRecord(node).Write(), 0);
    EXPECT_EQ(AseText("Castle_S", "Box01"), GoldenText("box.ase"));
}

TEST_F(StaticMeshFileTest, NodesWithoutTexturesHaveNoMaterials) {
    CompositeMtl* empty = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    StdMtl* noDiffuse = Standard(nullptr, Bitmap("C:\\tex\\mask.tga"));
    MeshRecord(AddObjectNode("Plain", MeshObject(Triangle(5)))).Write();
    MeshRecord(AddObjectNode("NoDiffuse", MeshObject(Triangle(5)), noDiffuse)).Write();
    MeshRecord(AddObjectNode("Other", MeshObject(Triangle(5)), scene.Adopt(new OtherMtl))).Write();
    MeshRecord(AddObjectNode("Empty", MeshObject(Triangle(5)), empty)).Write();

    // Without a usable material every id is limited to -1; with a material
    // of no sub-materials to 0.
    EXPECT_EQ(AseText("Castle_S", "Plain"), TriangleFile("Plain", "-1"));
    EXPECT_EQ(AseText("Castle_S", "NoDiffuse"), TriangleFile("NoDiffuse", "-1"));
    EXPECT_EQ(AseText("Castle_S", "Other"), TriangleFile("Other", "-1"));
    EXPECT_EQ(AseText("Castle_S", "Empty"), TriangleFile("Empty", " 0"));
}

TEST_F(StaticMeshFileTest, SubMaterialsAndTheirMaps) {
    CompositeMtl* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    multi->AddSubMtl(Standard(Bitmap("C:\\tex\\a.bmp")));
    multi->AddSubMtl(Standard(Bitmap("C:\\tex\\b.bmp"), Bitmap("C:\\tex\\b_mask.tga"), Bitmap("C:\\tex\\b_glow.bmp")));
    // A path of four characters names no file.
    multi->AddSubMtl(Standard(Bitmap("C:\\c"), nullptr, Bitmap("C:\\tex\\c_glow.bmp")));
    MeshRecord(AddObjectNode("Crate", scene.Adopt(new BoxObject), multi)).Write();

    const std::string text = AseText("Castle_S", "Crate");
    const std::string map =
        "\t\t\t\t*UVW_U_OFFSET 0.000000\r\n"
        "\t\t\t\t*UVW_V_OFFSET 0.000000\r\n"
        "\t\t\t\t*UVW_U_TILING 1.000000\r\n"
        "\t\t\t\t*UVW_V_TILING 1.000000\r\n"
        "\t\t\t}\r\n";
    EXPECT_EQ(Section(text, "*MATERIAL_LIST", "*GEOMOBJECT"),
              "*MATERIAL_LIST {\r\n"
              "\t*MATERIAL_COUNT 1\r\n"
              "\t*MATERIAL 0 {\r\n"
              "\t\t*MATERIAL_NAME \"corvatrix\"\r\n"
              "\t\t*NUMSUBMTLS 3\r\n"
              "\t\t*SUBMATERIAL 0 {\r\n"
              "\t\t\t*MATERIAL_NAME \"corvatrix_0\"\r\n"
              "\t\t\t*MAP_DIFFUSE {\r\n"
              "\t\t\t\t*BITMAP \"C:\\tex\\a.bmp\"\r\n" +
                  map +
                  "\t\t}\r\n"
                  "\t\t*SUBMATERIAL 1 {\r\n"
                  "\t\t\t*MATERIAL_NAME \"corvatrix_1\"\r\n"
                  "\t\t\t*MAP_DIFFUSE {\r\n"
                  "\t\t\t\t*BITMAP \"C:\\tex\\b.bmp\"\r\n" +
                  map +
                  "\t\t\t*MAP_OPACITY {\r\n"
                  "\t\t\t\t*BITMAP \"C:\\tex\\b_mask.tga\"\r\n" +
                  map +
                  "\t\t\t*MAP_SELFILLUM {\r\n"
                  "\t\t\t\t*BITMAP \"C:\\tex\\b_glow.bmp\"\r\n" +
                  map +
                  "\t\t}\r\n"
                  "\t\t*SUBMATERIAL 2 {\r\n"
                  "\t\t\t*MATERIAL_NAME \"corvatrix_2\"\r\n"
                  "\t\t\t*MAP_SELFILLUM {\r\n"
                  "\t\t\t\t*BITMAP \"C:\\tex\\c_glow.bmp\"\r\n" +
                  map +
                  "\t\t}\r\n"
                  "\t}\r\n"
                  "}\r\n");
    // The box's sides have the material ids 0 to 5, two triangles each; ids
    // past the last sub-material name the last one.
    EXPECT_EQ(MaterialIds(text), (std::vector<int>{0, 0, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_NE(text.find("\t}\r\n\t*MATERIAL_REF 0\r\n}\r\n"), std::string::npos);
}

TEST_F(StaticMeshFileTest, SelfIlluminationCoordinatesGoToMappingChannelTwo) {
    Mesh mesh = Triangle();
    AddMapChannel(mesh, 1);
    AddMapChannel(mesh, 3);
    TriObject* object = MeshObject(mesh);
    StdMtl* lit = Standard(Bitmap("C:\\tex\\d.bmp", 1), nullptr, Bitmap("C:\\tex\\g.bmp", 3));
    MeshRecord(AddObjectNode("Lit", object, lit)).Write();
    MeshRecord(AddObjectNode("Flat", object, Standard(Bitmap("C:\\tex\\d.bmp", 1)))).Write();
    StdMtl* missing = Standard(Bitmap("C:\\tex\\d.bmp", 4), nullptr, Bitmap("C:\\tex\\g.bmp", 5));
    MeshRecord(AddObjectNode("Missing", object, missing)).Write();

    const std::string channel1 =
        "\t\t*MESH_NUMTVERTEX 3\r\n"
        "\t\t*MESH_TVERTLIST {\r\n"
        "\t\t\t*MESH_TVERT     0\t1.000000\t0.500000\t0.000000\r\n"
        "\t\t\t*MESH_TVERT     1\t1.250000\t0.500000\t0.000000\r\n"
        "\t\t\t*MESH_TVERT     2\t1.500000\t0.500000\t0.000000\r\n"
        "\t\t}\r\n"
        "\t\t*MESH_NUMTVFACES 1\r\n"
        "\t\t*MESH_TFACELIST {\r\n"
        "\t\t\t*MESH_TFACE      0\t     2\t     1\t     0\r\n"
        "\t\t}\r\n";
    const std::string ending = "\t}\r\n\t*MATERIAL_REF 0\r\n}\r\n";
    EXPECT_EQ(Section(AseText("Castle_S", "Lit"), "\t\t*MESH_NUMTVERTEX", "\t*MATERIAL_REF"),
              channel1 +
                  "\t\t*MESH_MAPPINGCHANNEL 2 {\r\n"
                  "\t\t\t*MESH_NUMTVERTEX 3\r\n"
                  "\t\t\t*MESH_TVERTLIST {\r\n"
                  "\t\t\t\t*MESH_TVERT     0\t3.000000\t0.500000\t0.000000\r\n"
                  "\t\t\t\t*MESH_TVERT     1\t3.250000\t0.500000\t0.000000\r\n"
                  "\t\t\t\t*MESH_TVERT     2\t3.500000\t0.500000\t0.000000\r\n"
                  "\t\t\t}\r\n"
                  "\t\t\t*MESH_NUMTVFACES 1\r\n"
                  "\t\t\t*MESH_TFACELIST {\r\n"
                  "\t\t\t\t*MESH_TFACE      0\t     2\t     1\t     0\r\n"
                  "\t\t\t}\r\n"
                  "\t\t}\r\n"
                  "\t}\r\n");
    // Without a self-illumination bitmap there is no second channel.
    const std::string flat = AseText("Castle_S", "Flat");
    EXPECT_NE(flat.find("\t\t}\r\n" + channel1 + ending), std::string::npos);
    EXPECT_EQ(flat.find("MESH_MAPPINGCHANNEL"), std::string::npos);
    // Channels the mesh does not have give no coordinates, only the block.
    const std::string missingText = AseText("Castle_S", "Missing");
    EXPECT_EQ(missingText.find("MESH_TVERT"), std::string::npos);
    EXPECT_NE(missingText.find("\t\t}\r\n\t\t*MESH_MAPPINGCHANNEL 2 {\r\n\t\t}\r\n" + ending), std::string::npos);
}

TEST_F(StaticMeshFileTest, VertexColoursWhenTheMeshHasThem) {
    Mesh coloured = Triangle();
    AddMapChannel(coloured, 1);
    coloured.setMapSupport(VERTEX_COLOR_CHANNEL);
    coloured.setNumMapVerts(VERTEX_COLOR_CHANNEL, 2);
    coloured.setMapVert(VERTEX_COLOR_CHANNEL, 0, VertColor(1.0f, 0.5f, 0.0f));
    coloured.setMapVert(VERTEX_COLOR_CHANNEL, 1, VertColor(0.0f, 0.25f, 1.0f));
    coloured.mapFace(VERTEX_COLOR_CHANNEL, 0).setTVerts(1, 0, 1);
    StdMtl* material = Standard(Bitmap("C:\\tex\\d.bmp", 1));
    MeshRecord(AddObjectNode("Coloured", MeshObject(coloured), material)).Write();
    MeshRecord(AddObjectNode("Bare", MeshObject(coloured))).Write();
    Mesh plain = Triangle();
    AddMapChannel(plain, 1);
    MeshRecord(AddObjectNode("Plain", MeshObject(plain), material)).Write();

    const std::string colours =
        "\t\t*MESH_NUMCVERTEX 2\r\n"
        "\t\t*MESH_CVERTLIST {\r\n"
        "\t\t\t*MESH_VERTCOL     0\t1.000000\t0.500000\t0.000000\r\n"
        "\t\t\t*MESH_VERTCOL     1\t0.000000\t0.250000\t1.000000\r\n"
        "\t\t}\r\n"
        "\t\t*MESH_NUMCVFACES 1\r\n"
        "\t\t*MESH_CFACELIST {\r\n"
        "\t\t\t*MESH_CFACE      0\t     1\t     0\t     1\r\n"
        "\t\t}\r\n"
        "\t}\r\n";
    const std::string coloursText = AseText("Castle_S", "Coloured");
    EXPECT_EQ(Section(coloursText, "\t\t*MESH_NUMCVERTEX", "\t*MATERIAL_REF"), colours);
    EXPECT_NE(coloursText.find("\t\t\t*MESH_TFACE      0\t     2\t     1\t     0\r\n\t\t}\r\n" + colours),
              std::string::npos);

    const std::string plainText = AseText("Castle_S", "Plain");
    for (const char* key : {"MESH_NUMCVERTEX", "MESH_CVERTLIST", "MESH_NUMCVFACES", "MESH_CFACELIST"}) {
        EXPECT_EQ(plainText.find(key), std::string::npos) << key;
    }

    // A node without textures reads its coordinates from channel 0, so the
    // colours also come out as both coordinate sets.
    const std::string bare = AseText("Castle_S", "Bare");
    EXPECT_EQ(Section(bare, "\t\t*MESH_NUMTVERTEX", "\t\t\t*MESH_TVERT     1"),
              "\t\t*MESH_NUMTVERTEX 2\r\n"
              "\t\t*MESH_TVERTLIST {\r\n"
              "\t\t\t*MESH_TVERT     0\t1.000000\t0.500000\t0.000000\r\n");
    EXPECT_NE(bare.find("\t\t*MESH_MAPPINGCHANNEL 2 {\r\n\t\t\t*MESH_NUMTVERTEX 2\r\n"), std::string::npos);
    EXPECT_NE(bare.find("\t\t}\r\n" + colours + "}\r\n"), std::string::npos);
}

// A mesh object that is not a triangle object: its triangle form is a new
// object, which counts its releases.
class CountedTriObject : public TriObject {
public:
    CountedTriObject(Mesh mesh, int& releases) : TriObject(std::move(mesh)), releases_(releases) {}
    ~CountedTriObject() override { ++releases_; }

private:
    int& releases_;
};

class ConvertingObject : public GeomObject {
public:
    explicit ConvertingObject(int& releases) : releases_(releases) {}
    Class_ID ClassID() const override { return Class_ID(0x0C7A7E57, 0); }
    bool CanConvertToType(Class_ID obtype) override { return obtype == TRIOBJ_CLASS_ID; }
    Object* ConvertToType(TimeValue, Class_ID obtype) override {
        return obtype == TRIOBJ_CLASS_ID ? new CountedTriObject(Triangle(), releases_) : nullptr;
    }

private:
    int& releases_;
};

TEST_F(StaticMeshFileTest, ConvertedCopiesAreReleased) {
    int copies = 0;
    int originals = 0;
    MeshRecord(AddObjectNode("Converted", scene.Adopt(new ConvertingObject(copies)))).Write();
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(AseText("Castle_S", "Converted").substr(0, 25), "*3DSMAX_ASCIIEXPORT 200\r\n");

    // A triangle object is its own triangle form and stays the scene's.
    MeshRecord(AddObjectNode("Own", scene.Adopt(new CountedTriObject(Triangle(), originals)))).Write();
    EXPECT_EQ(originals, 0);
    EXPECT_NE(AseText("Castle_S", "Own").find("*MESH_NUMFACES 1\r\n"), std::string::npos);

    // Also when the file cannot be created.
    ASSERT_TRUE(os::ReplaceFile(folder / "ase_Blocked_S", "a file"));
    options->Package = "Blocked";
    EXPECT_EQ(MeshRecord(AddObjectNode("Lost", scene.Adopt(new ConvertingObject(copies)))).Write(), 1);
    EXPECT_EQ(copies, 2);
}

}  // namespace
