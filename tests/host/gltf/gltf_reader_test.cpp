// The glTF reader: axes and units, lights, materials and images, nodes and
// instances, and the faults it reports.

#include "host/scene/LightObject.h"
#include "host/scene/Mtl.h"
#include "tests/common/BuiltModules.h"
#include "tests/host/gltf/GltfReaderTest.h"
#include "tests/host/gltf/GltfTestFile.h"
#include "tests/host/math/MathExpect.h"

#include <cmath>

namespace {

using GltfReader = GltfReaderTest;

constexpr double kHalf = 0.70710678118654752;

TEST_F(GltfReader, AxesUnitsAndLightDirections) {
    GltfTestFile file;
    file.Node(
        {{"name", "Turned"}, {"translation", {1, 2, 3}}, {"rotation", {0, kHalf, 0, kHalf}}, {"scale", {1, 2, 3}}});
    // The same transform as a column-major matrix: columns R*S*e_j, then t.
    file.Node({{"name", "Matrix"}, {"matrix", {0, 0, -1, 0, 0, 2, 0, 0, 3, 0, 0, 0, 1, 2, 3, 1}}});
    // A spot turned -90 degrees about glTF Y: its cone axis (-Z) points along +X.
    file.Json()["extensions"]["KHR_lights_punctual"]["lights"] = {
        {{"type", "spot"}, {"range", 10}, {"spot", {{"innerConeAngle", 0.25}, {"outerConeAngle", 0.5}}}},
        {{"type", "point"}, {"color", {1, 0.5, 0.25}}, {"intensity", 500}}};
    file.Node({{"name", "Spot"},
               {"rotation", {0, -kHalf, 0, kHalf}},
               {"children", {3}},
               {"extensions", {{"KHR_lights_punctual", {{"light", 0}}}}}});
    // A child one unit down the spot's cone axis, turned as the spot is.
    file.Json()["nodes"].push_back({{"name", "Lens"}, {"translation", {0, 0, -1}}});
    file.Json()["nodes"].push_back({{"name", "Lamp"}, {"extensions", {{"KHR_lights_punctual", {{"light", 1}}}}}});
    file.Json()["scenes"][0]["nodes"].push_back(4);
    gltf::GltfReadOptions options;
    options.scale = 100.0f;
    const gltf::GltfScene scene = Read(Write("axes.gltf", file.Text()), options);
    ASSERT_NE(scene.scene, nullptr);

    // glTF (x, y, z) is host (x, -z, y); a turn about glTF Y is one about host Z.
    const Matrix3 expected(Point3(0, 1, 0), Point3(-3, 0, 0), Point3(0, 0, 2), Point3(100, -300, 200));
    EXPECT_TRUE(MatrixNear(Node(scene, "Turned")->GetNodeTM(0), expected, 1e-4f));
    EXPECT_TRUE(MatrixNear(Node(scene, "Matrix")->GetNodeTM(0), expected, 1e-4f));

    SceneNode* spot = Node(scene, "Spot");
    const auto* light = static_cast<StandardLight*>(spot->GetObjectRef());
    EXPECT_EQ(light->GetType(), LightType::TargetSpot);
    // Host lights shine down their local -Z.
    EXPECT_TRUE(PointNear(-VectorTransform(spot->GetNodeTM(0), Point3(0, 0, 1)), Point3(1, 0, 0)));
    const Matrix3 lens = Node(scene, "Lens")->GetNodeTM(0);
    EXPECT_TRUE(PointNear(lens.GetTrans(), Point3(100, 0, 0), 1e-3f));
    EXPECT_TRUE(PointNear(VectorTransform(lens, Point3(0, 1, 0)), Point3(1, 0, 0)));  // its glTF -Z
    EXPECT_NEAR(light->GetHotspot(), 2 * 0.25 * 180 / M_PI, 1e-3);
    EXPECT_NEAR(light->GetFallsize(), 2 * 0.5 * 180 / M_PI, 1e-3);
    EXPECT_TRUE(light->GetUseAtten());
    EXPECT_FLOAT_EQ(light->GetAtten(ATTEN_FAR_END), 1000.0f);

    const auto* lamp = static_cast<StandardLight*>(Node(scene, "Lamp")->GetObjectRef());
    EXPECT_EQ(lamp->GetType(), LightType::Omni);
    EXPECT_TRUE(PointNear(lamp->GetRGBColor(), Point3(1, 0.5f, 0.25f)));
    EXPECT_FLOAT_EQ(lamp->GetIntensity(), 1.0f);
    EXPECT_FALSE(lamp->GetUseAtten());
}

TEST_F(GltfReader, BlenderLevelComesBackInBlenderCoordinates) {
    const BuiltModules modules({"corvatrix.dlo", "corvatrix.dlm"});  // the level's tags name their types
    const gltf::GltfScene scene = Read(Sample("blender/level.glb"));
    ASSERT_NE(scene.scene, nullptr);
    ASSERT_EQ(scene.nodes.size(), 8u);
    EXPECT_TRUE(PointNear(Node(scene, "Room")->GetNodeTM(0).GetTrans(), Point3(0, 0, 128)));
    // Blender's scale (256, 256, 128) comes back along the same axes.
    const Matrix3 room = Node(scene, "Room")->GetNodeTM(0);
    EXPECT_TRUE(PointNear(Point3(room.GetRow(0).Length(), room.GetRow(1).Length(), room.GetRow(2).Length()),
                          Point3(256, 256, 128), 1e-3f));
    // The spot has no rotation in Blender: it shines straight down.
    SceneNode* spot = Node(scene, "Spot");
    EXPECT_TRUE(PointNear(-VectorTransform(spot->GetNodeTM(0), Point3(0, 0, 1)), Point3(0, 0, -1)));
    EXPECT_EQ(static_cast<StandardLight*>(spot->GetObjectRef())->GetType(), LightType::TargetSpot);
    // An empty tagged only by custom properties holds the object its tags make.
    ASSERT_NE(Node(scene, "Start")->GetObjectRef(), nullptr);
    EXPECT_EQ(Node(scene, "Start")->GetObjectRef()->GetClassName(), "Unreal Actor");
    EXPECT_NE(scene.nodes[4].extras.find("\"corvatrix\""), std::string::npos) << scene.nodes[4].extras;
}

TEST_F(GltfReader, NodesNamesInstancesAndSkippedParts) {
    // Two unnamed nodes share one mesh: one object; the second is moved by (1, 0, 0).
    const gltf::GltfScene shared = Read(Sample("samples/SimpleMeshes/glTF-Embedded/SimpleMeshes.gltf"));
    ASSERT_EQ(shared.nodes.size(), 2u);
    EXPECT_EQ(shared.nodes[0].node->GetObjectRef(), shared.nodes[1].node->GetObjectRef());
    EXPECT_STREQ(shared.nodes[0].node->GetName(), "Node_0");
    EXPECT_TRUE(PointNear(shared.nodes[1].node->GetNodeTM(0).GetTrans(), Point3(1, 0, 0)));

    // Unnamed nodes take their mesh's name; the root turns its child back to Z-up.
    const gltf::GltfScene box = Read(Sample("samples/Box/glTF-Embedded/Box.gltf"));
    ASSERT_EQ(box.nodes.size(), 2u);
    EXPECT_STREQ(box.nodes[1].node->GetName(), "Mesh");
    EXPECT_EQ(box.nodes[1].node->GetParentNode(), box.nodes[0].node);

    // No scene index: the first scene; cameras are skipped with one warning.
    const gltf::GltfScene cameras = Read(Sample("samples/Cameras/glTF/Cameras.gltf"));
    EXPECT_EQ(cameras.nodes.size(), 3u);
    EXPECT_EQ(std::count(cameras.warnings.begin(), cameras.warnings.end(), "cameras are skipped"), 1);

    // A Japanese root name: '_' for what Windows-1252 cannot hold, one warning; morph targets skipped.
    const gltf::GltfScene morph = Read(Sample("samples/MorphPrimitivesTest/glTF/MorphPrimitivesTest.gltf"));
    ASSERT_FALSE(morph.nodes.empty());
    EXPECT_STREQ(morph.nodes[0].node->GetName(), "______");
    EXPECT_EQ(morph.warnings.size(), 2u);
}

TEST_F(GltfReader, MaterialsAndImages) {
    // Two primitives with two materials: a multi/sub-object material, ids 0 and 1.
    const gltf::GltfScene morph = Read(Sample("samples/MorphPrimitivesTest/glTF/MorphPrimitivesTest.gltf"));
    SceneNode* mesh = nullptr;
    for (const gltf::ConvertedNode& node : morph.nodes) {
        if (node.node->GetObjectRef()) mesh = node.node;
    }
    ASSERT_NE(mesh, nullptr);
    ASSERT_EQ(mesh->GetMtl()->NumSubMtls(), 2);
    std::set<int> ids;
    for (int f = 0; f < Triangles(mesh).getNumFaces(); ++f) ids.insert(Triangles(mesh).getFace(f).getMatID());
    EXPECT_EQ(ids, (std::set<int>{0, 1}));
    // The JPEG's size comes from its header.
    const auto* jpeg = static_cast<BitmapTex*>(mesh->GetMtl()->GetSubMtl(0)->GetSubTexmap(MAP_SLOT_DIFFUSE));
    ASSERT_NE(jpeg, nullptr);
    EXPECT_TRUE(jpeg->IsLoaded());

    // An image beside the file: its absolute path, its size from the file.
    const gltf::GltfScene external = Read(Sample("samples/BoxTextured/glTF/BoxTextured.gltf"));
    const auto* logo = static_cast<BitmapTex*>(Node(external, "Mesh")->GetMtl()->GetSubTexmap(MAP_SLOT_DIFFUSE));
    ASSERT_NE(logo, nullptr);
    EXPECT_STREQ(logo->GetMapName(), Sample("samples/BoxTextured/glTF/CesiumLogoFlat.png").c_str());
    EXPECT_EQ(logo->GetWidth(), 211);
    EXPECT_TRUE(external.images.empty());

    // The same image inside a GLB, without a name: named after its material, into the texture folder.
    const gltf::GltfScene binary = Read(Sample("samples/BoxTextured/glTF-Binary/BoxTextured.glb"));
    ASSERT_EQ(binary.images.size(), 1u);
    EXPECT_EQ(binary.images[0].path, folder_ / "textures/Texture.png");
    EXPECT_EQ(std::string(binary.images[0].bytes.begin(), binary.images[0].bytes.begin() + 4), "\x89PNG");
    const auto* packed = static_cast<BitmapTex*>(Node(binary, "Mesh")->GetMtl()->GetSubTexmap(MAP_SLOT_DIFFUSE));
    EXPECT_EQ(packed->GetMapName(), binary.images[0].path);
    EXPECT_EQ(packed->GetHeight(), 211);

    // A hostile image name stays inside the folder; alpha blending adds the opacity map.
    GltfTestFile file;
    file.Json()["images"] = {{{"name", "../../x\"y\nz"}, {"uri", GltfTestFile::DataUri(binary.images[0].bytes)}}};
    file.Json()["textures"] = {{{"source", 0}}};
    file.Json()["materials"] = {
        {{"alphaMode", "BLEND"}, {"pbrMetallicRoughness", {{"baseColorTexture", {{"index", 0}, {"texCoord", 1}}}}}}};
    const int positions = file.Floats({0, 0, 0, 1, 0, 0, 0, 1, 0}, "VEC3");
    file.Node({{"mesh", file.Mesh({{"POSITION", positions}}, -1, 0)}});
    const gltf::GltfScene hostile = Read(Write("hostile.gltf", file.Text()));
    ASSERT_EQ(hostile.images.size(), 1u);
    EXPECT_EQ(hostile.images[0].path, folder_ / "textures/______x_y_z.png");
    const Mtl* material = hostile.nodes[0].node->GetMtl();
    ASSERT_NE(material->GetSubTexmap(MAP_SLOT_OPACITY), nullptr);
    EXPECT_EQ(static_cast<BitmapTex*>(material->GetSubTexmap(MAP_SLOT_DIFFUSE))->GetMapChannel(), 2);
}

TEST_F(GltfReader, ErrorsNameTheFileAndTheNode) {
    EXPECT_NE(Fault(Write("broken.gltf", "{\"asset\": {\"version\": \"2.0\"}, \"nodes\": [")).size(), 0u);
    EXPECT_NE(Fault(Write("empty.gltf", "")).size(), 0u);
    EXPECT_EQ(Fault(folder_ / "missing.glb"), "cannot read the file: No such file or directory");

    GltfTestFile file;
    const int positions = file.Floats({0, 0, 0, 1, 0, 0, 0, 1, 0}, "VEC3");
    file.Node({{"name", "Good"}, {"mesh", file.Mesh({{"POSITION", positions}})}});
    file.Node({{"name", "Bad"}, {"mesh", file.Mesh({{"POSITION", positions}}, file.Indices({0, 1, 7}))}});
    EXPECT_EQ(Fault(Write("index.gltf", file.Text())), "node 1 \"Bad\": mesh 1: primitive 0: index 7 names no vertex");

    GltfTestFile image;
    image.Floats({0, 0, 0}, "VEC3");
    image.Json()["bufferViews"].push_back({{"buffer", 0}, {"byteOffset", 8}, {"byteLength", 4096}});
    image.Json()["images"] = {{{"bufferView", 1}, {"mimeType", "image/png"}}};
    EXPECT_EQ(Fault(Write("image.gltf", image.Text())), "image 0: its buffer view 1 reaches past the end of buffer 0");

    GltfTestFile loop;
    loop.Node({{"name", "A"}, {"children", {1}}});
    loop.Json()["nodes"].push_back({{"children", {0}}});
    EXPECT_EQ(Fault(Write("loop.gltf", loop.Text())),
              "node 0 \"A\": it is the child of two parents, or its own ancestor");

    gltf::GltfReadOptions options;
    options.animation = "Open";
    EXPECT_EQ(Fault(Sample("blender/level.glb"), options), "no animation named \"Open\" (the file has \"DoorAction\")");
}

}  // namespace
