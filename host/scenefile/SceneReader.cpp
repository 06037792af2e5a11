#include "host/scenefile/SceneReader.h"

#include "host/scene/Scene.h"
#include "host/scenefile/MaterialReader.h"
#include "host/scenefile/NodeReader.h"
#include "host/scenefile/NodeReferences.h"
#include "host/scenefile/ObjectReader.h"

#include <optional>
#include <string>

namespace scenefile {
namespace {

// Nodes that name the same shared object hold that one object: instances.
void ReadSharedObjects(const JsonCursor& objects, ReadContext& context) {
    for (std::size_t i = 0; i < objects.Size(); ++i) {
        const JsonCursor object = objects.Element(i);
        const JsonCursor name = object.Key("name");
        Object* shared = ReadObject(object, context, true);
        if (!context.sharedObjects.emplace(name.Text(), shared).second) {
            name.Fail("duplicate shared object name \"" + name.Utf8() + "\"");
        }
    }
}

}  // namespace

void ReadScene(const JsonCursor& document, ReadContext& context) {
    document.ExpectKeys({"materials", "objects", "nodes"});
    if (const std::optional<JsonCursor> materials = document.Find("materials")) ReadMaterials(*materials, context);
    if (const std::optional<JsonCursor> objects = document.Find("objects")) ReadSharedObjects(*objects, context);
    if (const std::optional<JsonCursor> nodes = document.Find("nodes")) {
        ReadNodes(*nodes, *context.scene.GetRootNode(), context);
    }
    ResolveNodeReferences(context);
}

}  // namespace scenefile
