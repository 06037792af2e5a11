#pragma once
// How a plug-in class reads its own keys from a scene file. The host's scene
// reader makes the instance through the class's descriptor and hands it the
// entry's keys; every cursor carries its JSON path, so a fault raised inside
// the plug-in names its place in the file as the host's own faults do.

class Animatable;

namespace scenefile {

class JsonCursor;

// What a key reader may ask of the scene being read.
class SceneKeyContext {
public:
    virtual ~SceneKeyContext() = default;
    // Once every node is read, maker's reference index is set to the node
    // whose name is name's text; no node or several of that name fail at name.
    virtual void ReferToNode(Animatable& maker, int index, const JsonCursor& name) = 0;
};

class SceneKeyReader {
public:
    virtual ~SceneKeyReader() = default;
    // The value of "type" that names the class in a scene file.
    virtual const char* SceneType() const = 0;
    // Applies the keys of entry (an object holding "type") to made, a new
    // instance of the class that the scene already holds. Throws ReadError,
    // through the cursors, at the first fault.
    virtual void ReadKeys(Animatable& made, const JsonCursor& entry, SceneKeyContext& context) const = 0;
};

}  // namespace scenefile
