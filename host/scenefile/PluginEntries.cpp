#include "host/scenefile/PluginEntries.h"

#include "host/core/ClassDirectory.h"
#include "host/scene/Modifier.h"
#include "host/scene/Object.h"
#include "host/scene/Scene.h"
#include "host/scenekeys/SceneKeyReader.h"

#include <string>

namespace scenefile {
namespace {

// Lets a plug-in's key reader refer to nodes by name, as the host's own
// readers do.
class NodeReferrer : public SceneKeyContext {
public:
    explicit NodeReferrer(ReadContext& context) : context_(context) {}
    void ReferToNode(Animatable& maker, int index, const JsonCursor& name) override {
        context_.nodeReferences.push_back({&maker, index, name.Text(), name});
    }

private:
    ReadContext& context_;
};

const ClassDesc* FindClass(std::string_view type, bool modifier) {
    for (const ClassDesc* desc : ClassDirectory::Host().All()) {
        const SceneKeyReader* keys = desc->SceneKeys();
        if (keys && (desc->SuperClassID() == OSM_CLASS_ID) == modifier && type == keys->SceneType()) return desc;
    }
    return nullptr;
}

// The new instance belongs to the scene before its keys are read, so a
// fault leaves nothing behind that the scene does not free.
template <class Made>
Made* ReadEntry(const JsonCursor& entry, std::string_view type, ReadContext& context, bool modifier) {
    const ClassDesc* desc = FindClass(type, modifier);
    if (!desc) return nullptr;
    Animatable* made = const_cast<ClassDesc*>(desc)->Create(false);
    if (!made) entry.Fail("type \"" + std::string(type) + "\": its plug-in could not make one");
    auto* adopted = context.scene.Adopt(static_cast<Made*>(made));
    NodeReferrer referrer(context);
    desc->SceneKeys()->ReadKeys(*made, entry, referrer);
    return adopted;
}

}  // namespace

Object* ReadPluginObject(const JsonCursor& entry, std::string_view type, ReadContext& context) {
    return ReadEntry<Object>(entry, type, context, false);
}

Modifier* ReadPluginModifier(const JsonCursor& entry, std::string_view type, ReadContext& context) {
    return ReadEntry<Modifier>(entry, type, context, true);
}

void FailUnknownType(const JsonCursor& entry, const JsonCursor& type, std::string_view kind,
                     const ReadContext& context) {
    const std::string name = type.Utf8();
    for (const PluginTypeHint& hint : context.pluginHints) {
        if (name != hint.type || kind != hint.moduleKind) continue;
        const std::string module = std::string(hint.moduleKind) + " plug-in " + hint.moduleFile;
        if (ClassDirectory::Host().HasModule(hint.moduleFile)) {
            entry.Fail("type \"" + name + "\": the loaded " + module + " does not read it from scene files");
        }
        entry.Fail("type \"" + name + "\" needs the " + module + ", which is not loaded");
    }
    type.Fail("unknown " + std::string(kind) + " type \"" + name + "\"");
}

}  // namespace scenefile
