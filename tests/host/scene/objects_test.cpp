#include "host/scene/BoxObject.h"
#include "host/scene/DerivedObject.h"
#include "host/scene/Modifier.h"
#include "host/scene/Mtl.h"
#include "host/scene/PlainObjects.h"
#include "host/scene/PolyObject.h"
#include "host/scene/Scene.h"
#include "host/scene/TriObject.h"
#include "tests/host/scene/ReleaseCopy.h"

#include <gtest/gtest.h>

namespace {

Mesh OneTriangle() {
    Mesh mesh;
    mesh.setNumVerts(3);
    mesh.setVert(1, Point3(1, 0, 0));
    mesh.setVert(2, Point3(0, 1, 0));
    mesh.setNumFaces(1);
    mesh.getFace(0).setVerts(0, 1, 2);
    return mesh;
}

PolyMesh OneQuad() {
    PolyMesh poly;
    poly.addVert(Point3(0, 0, 0));
    poly.addVert(Point3(1, 0, 0));
    poly.addVert(Point3(1, 1, 0));
    poly.addVert(Point3(0, 1, 0));
    poly.addFace({0, 1, 2, 3});
    return poly;
}

}  // namespace

TEST(SceneObjects, InstancesShareOneEvaluatedObject) {
    Scene scene;
    auto* shared = scene.Adopt(new BoxObject());
    auto* bend = scene.Adopt(new OtherModifier("Bend"));
    auto* twist = scene.Adopt(new OtherModifier("Twist"));
    SceneNode* plain = scene.GetRootNode()->AddChild("Plain");
    SceneNode* modified = scene.GetRootNode()->AddChild("Modified");
    plain->SetObject(shared);
    modified->SetObject(shared);
    modified->AddModifierAtBottom(bend);
    modified->AddModifierAtBottom(twist);

    EXPECT_EQ(plain->GetObjectRef(), shared);
    EXPECT_EQ(plain->EvalWorldState(0).obj, shared);
    EXPECT_EQ(modified->EvalWorldState(4800).obj, shared);

    Object* reference = modified->GetObjectRef();
    ASSERT_NE(reference, nullptr);
    ASSERT_EQ(reference->SuperClassID(), GEN_DERIVOB_CLASS_ID);
    auto* stack = static_cast<IDerivedObject*>(reference);
    ASSERT_EQ(stack->NumModifiers(), 2);
    EXPECT_EQ(stack->GetModifier(0), bend) << "index 0 is the top of the stack";
    EXPECT_EQ(stack->GetModifier(1), twist);
    EXPECT_EQ(stack->GetModifier(2), nullptr);
    EXPECT_EQ(stack->GetObjRef(), shared);
    EXPECT_EQ(stack->GetModifier(0)->SuperClassID(), OSM_CLASS_ID);
    EXPECT_EQ(stack->GetModifier(1)->GetClassName(), "Twist");
    EXPECT_FALSE(reference->CanConvertToType(TRIOBJ_CLASS_ID)) << "conversions belong to the evaluated object";
}

TEST(SceneObjects, NodeWithoutObjectEvaluatesToNothing) {
    Scene scene;
    SceneNode* empty = scene.GetRootNode()->AddChild("Empty");
    EXPECT_EQ(empty->GetObjectRef(), nullptr);
    EXPECT_EQ(empty->EvalWorldState(0).obj, nullptr);
    empty->AddModifierAtBottom(scene.Adopt(new OtherModifier("Bend")));
    EXPECT_EQ(empty->GetObjectRef(), nullptr);
    EXPECT_EQ(empty->EvalWorldState(0).obj, nullptr);
}

TEST(SceneObjects, EditableMeshConvertsToItselfAndToPolygons) {
    TriObject tri(OneTriangle());
    EXPECT_EQ(tri.ClassID(), TRIOBJ_CLASS_ID);
    EXPECT_EQ(tri.SuperClassID(), GEOMOBJECT_CLASS_ID);
    EXPECT_EQ(tri.ConvertToType(0, TRIOBJ_CLASS_ID), &tri);

    ReleasedCopy<Object> perTriangle(tri.ConvertToType(0, POLYOBJ_CLASS_ID));
    ASSERT_NE(perTriangle, nullptr);
    ASSERT_EQ(perTriangle->ClassID(), POLYOBJ_CLASS_ID);
    EXPECT_EQ(static_cast<PolyObject&>(*perTriangle).GetMesh().numFaces(), 1);

    // The polygons the artist modelled win over one polygon per triangle.
    ReleasedCopy<TriObject> fromQuad(TriObject::FromPolygons(OneQuad()));
    EXPECT_EQ(fromQuad->GetMesh().getNumFaces(), 2);
    EXPECT_TRUE(fromQuad->HasPolygonForm());
    ReleasedCopy<Object> modelled(fromQuad->ConvertToType(0, POLYOBJ_CLASS_ID));
    const PolyMesh& quad = static_cast<PolyObject&>(*modelled).GetMesh();
    ASSERT_EQ(quad.numFaces(), 1);
    EXPECT_EQ(quad.face(0).deg(), 4);
}

TEST(SceneObjects, PolygonMeshConvertsToFannedTriangles) {
    PolyObject poly(OneQuad());
    EXPECT_EQ(poly.ConvertToType(0, POLYOBJ_CLASS_ID), &poly);
    EXPECT_TRUE(poly.CanConvertToType(TRIOBJ_CLASS_ID));
    ReleasedCopy<Object> converted(poly.ConvertToType(0, TRIOBJ_CLASS_ID));
    ASSERT_NE(converted, nullptr);
    ASSERT_EQ(converted->ClassID(), TRIOBJ_CLASS_ID);
    EXPECT_EQ(static_cast<TriObject&>(*converted).GetMesh().getNumFaces(), 2);
}

TEST(SceneObjects, ShapesCamerasAndDummiesAreNoMeshes) {
    DummyObject dummy;
    SplineShape shape;
    CameraObject camera;
    EXPECT_EQ(dummy.ClassID(), Class_ID(0x876234, 0));
    EXPECT_EQ(dummy.SuperClassID(), HELPER_CLASS_ID);
    EXPECT_EQ(shape.SuperClassID(), SHAPE_CLASS_ID);
    EXPECT_EQ(camera.SuperClassID(), CAMERA_CLASS_ID);
    for (Object* object : {static_cast<Object*>(&dummy), static_cast<Object*>(&shape),
                           static_cast<Object*>(&camera)}) {
        EXPECT_FALSE(object->CanConvertToType(TRIOBJ_CLASS_ID));
        EXPECT_FALSE(object->CanConvertToType(POLYOBJ_CLASS_ID));
        EXPECT_EQ(object->ConvertToType(0, TRIOBJ_CLASS_ID), nullptr);
        EXPECT_EQ(object->ConvertToType(0, object->ClassID()), object);
    }
}

TEST(SceneMaterials, SlotsAndSubMaterials) {
    Scene scene;
    auto* bricks = scene.Adopt(new BitmapTex());
    auto* checker = scene.Adopt(new CheckerTex());
    auto* wall = scene.Adopt(new StdMtl());
    wall->SetSubTexmap(MAP_SLOT_DIFFUSE, bricks);
    wall->SetSubTexmap(MAP_SLOT_OPACITY, checker);
    wall->SetSubTexmap(NUM_STD_MAP_SLOTS, checker);
    EXPECT_EQ(wall->ClassID(), Class_ID(2, 0));
    EXPECT_EQ(wall->SuperClassID(), MATERIAL_CLASS_ID);
    EXPECT_EQ(wall->GetSubTexmap(MAP_SLOT_DIFFUSE)->ClassID(), Class_ID(0x240, 0));
    EXPECT_NE(wall->GetSubTexmap(MAP_SLOT_OPACITY)->ClassID(), Class_ID(0x240, 0));
    EXPECT_EQ(wall->GetSubTexmap(MAP_SLOT_SELF_ILLUM), nullptr);
    EXPECT_EQ(wall->GetSubTexmap(NUM_STD_MAP_SLOTS), nullptr);
    EXPECT_EQ(wall->GetSubTexmap(-1), nullptr);
    EXPECT_EQ(wall->NumSubMtls(), 0);

    auto* multi = scene.Adopt(new CompositeMtl(CompositeMtlType::MultiSubObject));
    multi->AddSubMtl(wall);
    multi->AddSubMtl(nullptr);
    EXPECT_EQ(multi->ClassID(), Class_ID(0x200, 0));
    EXPECT_EQ(multi->NumSubMtls(), 2);
    EXPECT_EQ(multi->GetSubMtl(0), wall);
    EXPECT_EQ(multi->GetSubMtl(1), nullptr);
    EXPECT_EQ(multi->GetSubMtl(2), nullptr);
    EXPECT_EQ(multi->GetSubTexmap(MAP_SLOT_DIFFUSE), nullptr);

    auto* shell = scene.Adopt(new CompositeMtl(CompositeMtlType::Shell));
    EXPECT_EQ(shell->ClassID(), Class_ID(0x255, 0));
    EXPECT_EQ(shell->NumSubMtls(), 0);
    EXPECT_EQ(shell->GetSubMtl(2), nullptr);
    auto* baked = scene.Adopt(new StdMtl());
    shell->AddSubMtl(wall);
    shell->AddSubMtl(baked);
    EXPECT_EQ(shell->GetSubMtl(0), wall);
    EXPECT_EQ(shell->GetSubMtl(2), baked) << "a shell of two shows its last at index 2";
    EXPECT_EQ(shell->GetSubMtl(-1), nullptr);

    SceneNode* node = scene.GetRootNode()->AddChild("Wall");
    node->SetMtl(multi);
    EXPECT_EQ(node->GetMtl(), multi);
}
