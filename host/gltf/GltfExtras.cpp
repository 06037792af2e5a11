#include "host/gltf/GltfExtras.h"

#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/GltfLights.h"
#include "host/scene/LightObject.h"
#include "host/scene/SceneNode.h"
#include "host/scenefile/LightReader.h"
#include "host/scenefile/NodeReader.h"
#include "host/scenefile/NodeReferences.h"
#include "host/scenefile/ReadContext.h"
#include "host/scenefile/TextPosition.h"
#include "host/scenekeys/JsonDocument.h"
#include "host/scenekeys/ReadError.h"

#include <tiny_gltf.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>

namespace gltf {
namespace {

using scenefile::JsonCursor;
using scenefile::JsonDocument;

constexpr const char* kTagKey = "corvatrix";

// One node's tags. The documents stay until the node names they hold are
// resolved, after every node.
struct NodeTags {
    const ConvertedNode* node = nullptr;
    std::unique_ptr<JsonDocument> extras;
    std::string typed;  // the string form's text, which typedTags reads
    std::unique_ptr<JsonDocument> typedTags;
    // Where the paths of the document read last hang: "extras" or "extras.corvatrix".
    std::string pathPrefix = "extras";
    std::size_t firstReference = 0;
    std::size_t endReference = 0;
};

std::string FullPath(const std::string& prefix, const std::string& path) {
    if (path.empty()) return prefix;
    return path[0] == '[' ? prefix + path : prefix + "." + path;
}

void ApplyTags(const JsonCursor& tags, const NodeTags& source, GltfContext& context, scenefile::ReadContext& read) {
    const ConvertedNode& node = *source.node;
    tags.ExpectKeys({"selected", "groupMember", "object", "modifiers", "light"});
    const std::string name = node.name.empty() ? node.node->GetName() : node.name;
    scenefile::ReadNodeTags(tags, *node.node, name, read);
    if (const std::optional<JsonCursor> light = tags.Find("light")) {
        if (!node.holdsLight) light->Fail("the node holds no glTF light for these keys");
        if (tags.Has("object")) light->Fail("\"object\" replaces the node's light: give the light keys there");
        // A light of the node's own, since other nodes may hold the same glTF light.
        StandardLight* own = NewLightOf(NodeLight(context.model.nodes[static_cast<std::size_t>(node.index)]), context);
        scenefile::ReadLightKeysOver(*light, *own);
        node.node->SetObject(own);
    }
}

void ReadTags(NodeTags& source, GltfContext& context, scenefile::ReadContext& read) {
    source.extras = std::make_unique<JsonDocument>(source.node->extras, scenefile::BoolForm::TrueFalseOrZeroOne);
    const JsonCursor extras(*source.extras);
    // Other custom properties are the modeller's own business.
    if (!extras.IsObject()) return;
    const std::optional<JsonCursor> tags = extras.Find(kTagKey);
    if (!tags) return;
    if (!tags->IsString()) {
        ApplyTags(*tags, source, context, read);
        return;
    }
    source.typed = tags->Utf8();
    source.pathPrefix = "extras.corvatrix";
    try {
        source.typedTags = std::make_unique<JsonDocument>(source.typed, scenefile::BoolForm::TrueFalseOrZeroOne);
    } catch (const scenefile::SyntaxError& syntax) {
        const scenefile::TextPosition at = scenefile::PositionOfByte(source.typed, syntax.Offset());
        throw GltfError("extras.corvatrix: the string at " + std::to_string(at.line) + ":" +
                        std::to_string(at.column) + ": " + syntax.what());
    }
    ApplyTags(JsonCursor(*source.typedTags), source, context, read);
}

// Runs step for source's node; a fault names the node and the key path.
template <class Step>
void AtNode(const NodeTags& source, Step step) {
    try {
        step();
    } catch (const scenefile::ReadError& fault) {
        throw GltfError(NodeLabel(*source.node) + ": " + FullPath(source.pathPrefix, fault.Path()) + ": " +
                        fault.what());
    } catch (const GltfError& fault) {
        throw GltfError(NodeLabel(*source.node) + ": " + fault.what());
    }
}

}  // namespace

void ApplyExtras(const std::vector<ConvertedNode>& nodes, GltfContext& context, PluginTypeHints hints) {
    scenefile::ReadContext read{context.scene, context.fileFolder, {}, {}, {}, hints};
    std::deque<NodeTags> tagged;  // stays in place: cursors point into it
    for (const ConvertedNode& node : nodes) {
        if (node.extras.empty()) continue;
        NodeTags& source = tagged.emplace_back();
        source.node = &node;
        source.firstReference = read.nodeReferences.size();
        AtNode(source, [&] { ReadTags(source, context, read); });
        source.endReference = read.nodeReferences.size();
    }
    for (const NodeTags& source : tagged) {
        for (std::size_t i = source.firstReference; i < source.endReference; ++i) {
            AtNode(source, [&] { scenefile::ResolveNodeReference(read.nodeReferences[i], context.scene); });
        }
    }
}

}  // namespace gltf
