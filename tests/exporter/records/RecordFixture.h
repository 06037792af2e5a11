#pragma once
// Test fixture for the exported-actor records: a scene, an export context
// whose writer writes into a scratch folder, options read from an empty
// settings file there, and a record that opens up its fields.

#include "common/T3dWriter.h"
#include "exporter/ExportActor.h"
#include "exporter/ExportContext.h"
#include "common/ExportOptions.h"
#include "exporter/TextureList.h"
#include "host/os/Settings.h"
#include "host/scene/BoxObject.h"
#include "host/scene/Interface.h"
#include "host/scene/Mtl.h"
#include "host/scene/PlainObjects.h"
#include "host/scene/Scene.h"
#include "host/scene/Texmap.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The base record with nothing of its own to write.
class ProbeRecord : public ExportActor {
public:
    using ExportActor::ExportActor;
    int Write() override { return 0; }

    void Place(int mask) const { WritePlacement(mask); }
    const std::string& Name() const { return name; }
    const std::string& MeshPackage() const { return meshPackage; }
    const std::string& TexturePackage() const { return texturePackage; }
    const std::string& Group() const { return group; }
    const TextureList& Textures() const { return textures; }
    const ActorPlacement& Placement() const { return placement; }
};

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        os::SetSettingsFilePath(folder / "settings.ini");
        options = std::make_unique<ExportOptions>();
        options->Package = "Castle";
        options->Group = "Misc";
        ASSERT_TRUE(writer.Open(folder / "Level.t3d"));
    }
    void TearDown() override { os::SetSettingsFilePath(""); }

    ProbeRecord Record(SceneNode* node) {
        return ProbeRecord(ExportContext{writer, *options, registry, GetCoreInterface()}, *node, nullptr);
    }

    // The EXEC script so far; closes the writer.
    std::string ExecText() {
        writer.Close();
        return FileContents(folder / "Level.exec");
    }
    // The map text so far; closes the writer.
    std::string ActorText() {
        writer.Close();
        return FileContents(folder / "Level._3d");
    }

    // A box; member says whether it belongs to a group.
    SceneNode* AddNode(SceneNode* parent, const std::string& name, bool member = false) {
        return AddHolding(parent, name, member, scene.Adopt(new BoxObject(10.0f, 10.0f, 10.0f)));
    }
    // A group's head: a dummy, a member only of an enclosing group.
    SceneNode* AddGroupHead(SceneNode* parent, const std::string& name, bool member = false) {
        return AddHolding(parent, name, member, scene.Adopt(new DummyObject));
    }
    BitmapTex* Bitmap(const std::string& path, int channel = 1) {
        BitmapTex* map = scene.Adopt(new BitmapTex);
        map->SetMapName(path);
        map->SetMapChannel(channel);
        return map;
    }
    StdMtl* Standard(Texmap* diffuse, Texmap* opacity = nullptr, Texmap* selfIllum = nullptr) {
        StdMtl* mtl = scene.Adopt(new StdMtl);
        mtl->SetSubTexmap(MAP_SLOT_DIFFUSE, diffuse);
        mtl->SetSubTexmap(MAP_SLOT_OPACITY, opacity);
        mtl->SetSubTexmap(MAP_SLOT_SELF_ILLUM, selfIllum);
        return mtl;
    }

    ScratchFolder folder;
    Scene scene;
    T3dWriter writer;
    ExportRegistry registry;
    std::unique_ptr<ExportOptions> options;

private:
    SceneNode* AddHolding(SceneNode* parent, const std::string& name, bool member, Object* object) {
        SceneNode* node = parent->AddChild(name);
        node->SetGroupMember(member);
        node->SetObject(object);
        return node;
    }
};
