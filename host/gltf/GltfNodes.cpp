#include "host/gltf/GltfNodes.h"

#include "host/gltf/GltfAxes.h"
#include "host/gltf/GltfContext.h"
#include "host/gltf/GltfError.h"
#include "host/gltf/GltfLights.h"
#include "host/gltf/GltfMeshes.h"
#include "host/gltf/GltfNames.h"
#include "host/scene/Scene.h"
#include "host/scene/SceneNode.h"

#include <tiny_gltf.h>


namespace gltf {
namespace {

class NodeWalk {
public:
    explicit NodeWalk(GltfContext& context) : context_(context), visited_(context.model.nodes.size(), false) {}

    // Depth first with a stack of its own, since a file may chain its nodes
    // deeper than the call stack goes.
    void Walk(int root, SceneNode& parent) {
        std::vector<Pending> pending{{root, &parent, false}};
        while (!pending.empty()) {
            const Pending next = pending.back();
            pending.pop_back();
            const tinygltf::Node& node = Visit(next.index);
            ConvertedNode converted{next.index, node.name, nullptr, false, next.underLight, node.extras_json_string};
            try {
                converted.node = next.parent->AddChild(HostName(node, next.index));
                Fill(node, converted);
            } catch (const GltfError& fault) {
                throw GltfError(NodeLabel(converted) + ": " + fault.what());
            }
            converted_.push_back(converted);
            for (auto child = node.children.rbegin(); child != node.children.rend(); ++child) {
                pending.push_back(Pending{*child, converted.node, converted.holdsLight});
            }
        }
    }

    std::vector<ConvertedNode> Result() { return std::move(converted_); }

private:
    struct Pending {
        int index;
        SceneNode* parent;
        bool underLight;
    };

    const tinygltf::Node& Visit(int index) {
        const std::vector<tinygltf::Node>& nodes = context_.model.nodes;
        if (index < 0 || static_cast<std::size_t>(index) >= nodes.size()) {
            throw GltfError("node " + std::to_string(index) + " is not there");
        }
        const tinygltf::Node& node = nodes[static_cast<std::size_t>(index)];
        if (visited_[static_cast<std::size_t>(index)]) {
            throw GltfError(NodeLabel(ConvertedNode{index, node.name, nullptr, false, false, {}}) +
                            ": it is the child of two parents, or its own ancestor");
        }
        visited_[static_cast<std::size_t>(index)] = true;
        return node;
    }

    std::string HostName(const tinygltf::Node& node, int index) {
        std::string name = node.name.empty() ? MeshName(node.mesh, context_) : node.name;
        if (name.empty()) name = "Node_" + std::to_string(index);
        return HostText(name, context_);
    }

    void Fill(const tinygltf::Node& node, ConvertedNode& converted) {
        SceneNode& host = *converted.node;
        NodeTransform transform = HostTransform(node, context_.options.scale);
        if (converted.underLight) TurnBackFromLight(transform.position, transform.rotation);
        host.SetPosition(transform.position);
        host.SetRotation(transform.rotation);
        host.SetScale(transform.scale);
        if (node.camera >= 0) context_.Warn("cameras are skipped");
        if (node.skin >= 0) context_.Warn("skins are skipped (skinned meshes keep their rest pose)");
        const int light = NodeLight(node);
        if (node.mesh >= 0) {
            const MeshInstance& mesh = MeshInstanceOf(node.mesh, context_);
            host.SetObject(mesh.object);
            host.SetMtl(mesh.material);
            if (light >= 0) context_.Warn("lights on nodes that also hold a mesh are skipped");
        } else if (light >= 0) {
            host.SetObject(LightOf(light, context_));
            host.SetRotation(LightRotation(transform.rotation));
            converted.holdsLight = true;
        }
    }

    GltfContext& context_;
    std::vector<bool> visited_;
    std::vector<ConvertedNode> converted_;
};

// The scene's root nodes: the default scene's, else the first scene's, else
// every node that is nobody's child.
std::vector<int> RootNodes(const tinygltf::Model& model) {
    if (!model.scenes.empty()) {
        const bool hasDefault = model.defaultScene >= 0 && static_cast<std::size_t>(model.defaultScene) < model.scenes.size();
        return model.scenes[hasDefault ? static_cast<std::size_t>(model.defaultScene) : 0].nodes;
    }
    std::vector<bool> isChild(model.nodes.size(), false);
    for (const tinygltf::Node& node : model.nodes) {
        for (int child : node.children) {
            if (child >= 0 && static_cast<std::size_t>(child) < isChild.size()) isChild[static_cast<std::size_t>(child)] = true;
        }
    }
    std::vector<int> roots;
    for (std::size_t i = 0; i < model.nodes.size(); ++i) {
        if (!isChild[i]) roots.push_back(static_cast<int>(i));
    }
    return roots;
}

}  // namespace

std::vector<ConvertedNode> ReadNodes(GltfContext& context) {
    NodeWalk walk(context);
    for (int root : RootNodes(context.model)) walk.Walk(root, *context.scene.GetRootNode());
    return walk.Result();
}

std::string NodeLabel(const ConvertedNode& node) {
    return "node " + std::to_string(node.index) + (node.name.empty() ? "" : " \"" + node.name + "\"");
}

}  // namespace gltf
