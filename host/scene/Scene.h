#pragma once
// One scene: the node tree under its root and everything the nodes refer to.
// The scene owns all of it. Objects, materials, texture maps and modifiers
// are handed to Adopt when created; several nodes may share one object
// (instances). Whatever a plug-in module created must be released before
// that module is unloaded, so the scene goes first.

#include "host/core/Animatable.h"
#include "host/scene/INode.h"
#include "host/scene/SceneNode.h"

#include <vector>

class Scene {
public:
    Scene();
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The top-level nodes are the root's children.
    SceneNode* GetRootNode() { return &root_; }

    // Takes ownership; the scene releases it with DeleteThis. Returns thing.
    template <class T>
    T* Adopt(T* thing) {
        owned_.push_back(thing);
        return thing;
    }

    // Calls proc for every node below the root, depth-first, each node before
    // its children, in scene order. False when proc aborted the walk.
    bool EnumTree(ITreeEnumProc& proc);
    int GetSelNodeCount() const;
    // Deletes node and the nodes below it, each after REFMSG_TARGET_DELETED
    // went to the makers that refer to it (children before their parent).
    // Their objects stay with the scene. False for the root and for a node
    // of another scene.
    bool DeleteNode(INode* node);

private:
    SceneNode root_;
    std::vector<Animatable*> owned_;
};
