#include "host/scenefile/ObjectReader.h"

#include "host/scene/BoxObject.h"
#include "host/scene/PlainObjects.h"
#include "host/scene/Scene.h"
#include "host/scenefile/LightReader.h"
#include "host/scenefile/MeshReader.h"
#include "host/scenefile/PluginEntries.h"

#include <string>

namespace scenefile {
namespace {

using ObjectReader = Object* (*)(const JsonCursor& object, ReadContext& context);

Object* ReadBox(const JsonCursor& object, ReadContext& context) {
    object.ExpectKeys({"type", "name", "length", "width", "height"});
    auto* box = context.scene.Adopt(new BoxObject());
    box->SetLength(object.Number("length", box->GetLength()));
    box->SetWidth(object.Number("width", box->GetWidth()));
    box->SetHeight(object.Number("height", box->GetHeight()));
    return box;
}

// Types without keys of their own.
template <class PlainObject>
Object* ReadPlain(const JsonCursor& object, ReadContext& context) {
    object.ExpectKeys({"type", "name"});
    return context.scene.Adopt(new PlainObject());
}

template <LightType type>
Object* ReadLightOf(const JsonCursor& object, ReadContext& context) {
    return ReadLight(object, context, type);
}

struct HostType {
    const char* name;
    ObjectReader read;
};

constexpr HostType kHostTypes[] = {
    {"mesh", ReadMesh},
    {"box", ReadBox},
    {"dummy", ReadPlain<DummyObject>},
    {"shape", ReadPlain<SplineShape>},
    {"camera", ReadPlain<CameraObject>},
    {"omni", ReadLightOf<LightType::Omni>},
    {"targetSpot", ReadLightOf<LightType::TargetSpot>},
    {"freeSpot", ReadLightOf<LightType::FreeSpot>},
    {"directional", ReadLightOf<LightType::Directional>},
};

}  // namespace

Object* ReadObject(const JsonCursor& object, ReadContext& context, bool shared) {
    if (!shared && object.Has("name")) {
        object.Fail("unknown key \"name\" (only shared objects, in \"objects\", have a name)");
    }
    const JsonCursor type = object.Key("type");
    const std::string name = type.Utf8();
    for (const HostType& hostType : kHostTypes) {
        if (name == hostType.name) return hostType.read(object, context);
    }
    if (Object* made = ReadPluginObject(object, name, context)) return made;
    FailUnknownType(object, type, "object", context);
}

}  // namespace scenefile
