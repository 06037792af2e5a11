#pragma once
// What the readers share while one scene file is read: the scene being
// filled and the names that later parts of the file may refer to.

#include <map>
#include <string>

class Mtl;
class Object;
class Scene;

namespace scenefile {

struct ReadContext {
    Scene& scene;
    // The scene file's folder, with its trailing separator; empty for the
    // current folder. Relative bitmap paths start here.
    std::string sceneFolder;
    // By host name (Windows-1252).
    std::map<std::string, Mtl*> materials;
    std::map<std::string, Object*> sharedObjects;
};

}  // namespace scenefile
