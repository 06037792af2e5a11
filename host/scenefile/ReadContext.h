#pragma once
// What the readers share while one scene file is read: the scene being
// filled and the names that later parts of the file may refer to.

#include "host/scenefile/PluginTypeHint.h"
#include "host/scenekeys/JsonCursor.h"

#include <map>
#include <string>
#include <vector>

class Animatable;
class Mtl;
class Object;
class Scene;

namespace scenefile {

// Reference index of maker, to the node of that name, once all are read.
struct NodeReference {
    Animatable* maker;
    int index;
    std::string nodeName;  // host text
    JsonCursor at;         // where the name stands
};

struct ReadContext {
    Scene& scene;
    // The scene file's folder, with its trailing separator; empty for the
    // current folder. Relative bitmap paths start here.
    std::string sceneFolder;
    // By host name (Windows-1252).
    std::map<std::string, Mtl*> materials;
    std::map<std::string, Object*> sharedObjects;
    std::vector<NodeReference> nodeReferences;
    PluginTypeHints pluginHints;
};

}  // namespace scenefile
