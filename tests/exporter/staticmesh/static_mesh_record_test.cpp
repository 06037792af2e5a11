#include "StaticMeshFixture.h"

#include "host/scene/PlainObjects.h"
#include "tests/common/WinePath.h"

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;
using StaticMeshRecordTest = StaticMeshTest;

std::string TextureLine(const std::string& path, const std::string& name) {
    return "TEXTURE IMPORT FILE=\"" + path + "\" NAME=\"" + name +
           "\" PACKAGE=\"Castle_T\" GROUP=\"Misc\" MIPS=1 MASKED=0\r\n";
}

// The actor block of a node at the origin, unturned and unscaled.
std::string ActorAtOrigin(const std::string& name, const std::string& staticMesh) {
    return "\tBegin Actor Class=StaticMeshActor Name=" + name + "\r\n" +
           "\t\tStaticMesh=StaticMesh'" + staticMesh + "'\r\n" +
           "\t\tDrawScale3D=(X=1.000000,Y=1.000000,Z=1.000000)\r\n"
           "\t\tPrePivot=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
           "\t\tLocation=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
           "\t\tRotation=(Pitch=0,Yaw=0,Roll=0)\r\n"
           "\t\tTag=\"" + name + "\"\r\n" +
           "\t\tName=\"" + name + "\"\r\n" +
           "\tEnd Actor\r\n";
}

TEST_F(StaticMeshRecordTest, ImportCommandAndActor) {
    options->StaticMeshCollision = 1;
    SceneNode* node = AddObjectNode("Rock 1", scene.Adopt(new BoxObject), Standard(Bitmap("C:\\tex\\granite.bmp")));
    node->SetPosition({10.0f, 20.0f, 30.0f});
    node->SetScale({2.0f, 2.0f, 2.0f});
    EXPECT_EQ(MeshRecord(node).Write(), 0);

    EXPECT_EQ(ExecText(), TextureLine("C:\\tex\\granite.bmp", "granite") + "STATICMESH IMPORT FILE=\"" +
                              WinePath(writer.Directory() + "ase_Castle_S/Rock_1.ase") +
                              "\" NAME=\"Rock_1\" PACKAGE=\"Castle_S\" GROUP=\"Misc\"\r\n");
    EXPECT_EQ(ActorText(),
              "\tBegin Actor Class=StaticMeshActor Name=Rock_1\r\n"
              "\t\tStaticMesh=StaticMesh'Castle_S.Misc.Rock_1'\r\n"
              "\t\tDrawScale3D=(X=2.000000,Y=2.000000,Z=2.000000)\r\n"
              "\t\tPrePivot=(X=0.000000,Y=0.000000,Z=0.000000)\r\n"
              "\t\tLocation=(X=-10.000000,Y=20.000000,Z=30.000000)\r\n"
              "\t\tRotation=(Pitch=0,Yaw=0,Roll=0)\r\n"
              "\t\tTag=\"Rock_1\"\r\n"
              "\t\tName=\"Rock_1\"\r\n"
              "\tEnd Actor\r\n");
    EXPECT_EQ(folder.Entries(), (Names{"Level._3d", "Level.exec", "ase_Castle_S"}));
    EXPECT_EQ(AseText("Castle_S", "Rock_1").substr(0, 25), "*3DSMAX_ASCIIEXPORT 200\r\n");
}

TEST_F(StaticMeshRecordTest, CollisionOffEndsTheCommand) {
    options->StaticMeshCollision = 0;
    MeshRecord(AddObjectNode("Rock", MeshObject(Triangle()))).Write();
    EXPECT_EQ(ExecText(), "STATICMESH IMPORT FILE=\"" + WinePath(writer.Directory() + "ase_Castle_S/Rock.ase") +
                              "\" NAME=\"Rock\" PACKAGE=\"Castle_S\" GROUP=\"Misc\""
                              " COLLISION=FALSE\r\n");
}

TEST_F(StaticMeshRecordTest, InstancesShareTheFirstNodesMesh) {
    options->StaticMeshCollision = 1;
    TriObject* shared = MeshObject(Triangle());
    StdMtl* material = Standard(Bitmap("C:\\tex\\granite.bmp"));
    SceneNode* first = AddObjectNode("Rock.A", shared, material);
    SceneNode* second = AddObjectNode("Rock B", shared, material);
    // The same object with another material is a mesh of its own.
    SceneNode* other = AddObjectNode("Rock C", shared, Standard(Bitmap("C:\\tex\\basalt.bmp")));
    EXPECT_EQ(MeshRecord(first).Write(), 0);
    EXPECT_EQ(MeshRecord(second).Write(), 0);
    EXPECT_EQ(MeshRecord(other).Write(), 0);

    const std::string command = "STATICMESH IMPORT FILE=\"" + WinePath(writer.Directory() + "ase_Castle_S/");
    EXPECT_EQ(ExecText(),
              TextureLine("C:\\tex\\granite.bmp", "granite") + command +
                  "Rock_A.ase\" NAME=\"Rock_A\" PACKAGE=\"Castle_S\" GROUP=\"Misc\"\r\n" +
                  TextureLine("C:\\tex\\basalt.bmp", "basalt") + command +
                  "Rock_C.ase\" NAME=\"Rock_C\" PACKAGE=\"Castle_S\" GROUP=\"Misc\"\r\n");
    EXPECT_EQ(ActorText(), ActorAtOrigin("Rock_A", "Castle_S.Misc.Rock_A") +
                               ActorAtOrigin("Rock_B", "Castle_S.Misc.Rock_A") +
                               ActorAtOrigin("Rock_C", "Castle_S.Misc.Rock_C"));
    EXPECT_EQ(MeshFiles("Castle_S"), (Names{"Rock_A.ase", "Rock_C.ase"}));
}

TEST_F(StaticMeshRecordTest, LevelPackageKeepsItsName) {
    options->Package = "myLevel";
    options->StaticMeshCollision = 1;
    MeshRecord(AddObjectNode("Rock", MeshObject(Triangle()))).Write();
    EXPECT_EQ(ExecText(), "STATICMESH IMPORT FILE=\"" + WinePath(writer.Directory() + "ase_myLevel/Rock.ase") +
                              "\" NAME=\"Rock\" PACKAGE=\"myLevel\" GROUP=\"Misc\"\r\n");
    EXPECT_EQ(ActorText(), ActorAtOrigin("Rock", "myLevel.Misc.Rock"));
    EXPECT_EQ(MeshFiles("myLevel"), Names{"Rock.ase"});
}

TEST_F(StaticMeshRecordTest, NothingWhenTheMeshIsNotWritten) {
    // Objects that cannot become triangle meshes.
    EXPECT_EQ(MeshRecord(AddObjectNode("Helper", scene.Adopt(new DummyObject))).Write(), 1);
    EXPECT_EQ(MeshRecord(AddObjectNode("Line", scene.Adopt(new SplineShape))).Write(), 1);
    EXPECT_EQ(MeshRecord(AddObjectNode("Empty", nullptr)).Write(), 1);
    EXPECT_EQ(ExecText(), "");
    EXPECT_EQ(ActorText(), "");

    // A package folder that cannot be made: the node is missing, so the
    // export has failed.
    ASSERT_TRUE(os::ReplaceFile(folder / "ase_Blocked_S", "a file"));
    options->Package = "Blocked";
    EXPECT_EQ(MeshRecord(AddObjectNode("Rock", MeshObject(Triangle()))).Write(), 1);
    EXPECT_TRUE(writer.WriteFailed());
    EXPECT_NE(writer.FailureText().find("ase_Blocked_S/Rock.ase: Not a directory"), std::string::npos);
}

// A record with an actor block of its own, as the mover record has.
class OtherActorRecord : public StaticMeshExport {
public:
    using StaticMeshExport::StaticMeshExport;
    void WriteActor() override { context.writer.WriteString("Other", StaticMeshReference(), false); }
};

TEST_F(StaticMeshRecordTest, DerivedRecordsReplaceTheActorBlock) {
    options->StaticMeshCollision = 1;
    TriObject* shared = MeshObject(Triangle());
    const ExportContext context{writer, *options, registry, GetCoreInterface()};
    EXPECT_EQ(OtherActorRecord(context, *AddObjectNode("Door", shared), nullptr).Write(), 0);
    EXPECT_EQ(OtherActorRecord(context, *AddObjectNode("Door2", shared), nullptr).Write(), 0);
    EXPECT_EQ(ActorText(), "\tOther=StaticMesh'Castle_S.Misc.Door'\r\n\tOther=StaticMesh'Castle_S.Misc.Door'\r\n");
    EXPECT_EQ(ExecText(), "STATICMESH IMPORT FILE=\"" + WinePath(writer.Directory() + "ase_Castle_S/Door.ase") +
                              "\" NAME=\"Door\" PACKAGE=\"Castle_S\" GROUP=\"Misc\"\r\n");
}

}  // namespace
