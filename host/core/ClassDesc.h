#pragma once
// A class descriptor: how a plug-in module tells the host about one of its
// classes and how the host makes instances of it. Modules keep their
// descriptors as static objects; the host never frees them.

#include "host/core/Animatable.h"
#include "host/core/ClassId.h"
#include "host/core/ModuleHandle.h"

namespace scenefile {
class SceneKeyReader;
}

class ClassDesc {
public:
    virtual ~ClassDesc() = default;

    // Whether the artist is offered the class (create panel, modifier list,
    // export types); hidden classes are still created by id.
    virtual bool IsPublic() const = 0;
    // A new instance, freed with its DeleteThis. loading is set when the
    // instance is about to be filled from a saved scene.
    virtual Animatable* Create(bool loading) = 0;
    virtual const char* ClassName() const = 0;
    virtual const char* Category() const = 0;
    virtual SClass_ID SuperClassID() const = 0;
    virtual Class_ID ClassID() const = 0;
    // The name scripts and saved scenes know the class by; never translated.
    virtual const char* InternalName() const = 0;
    // The module that holds the class.
    virtual HINSTANCE HInstance() const = 0;
    // The reader of the class's own keys in scene files; null for a class
    // that scene files cannot name.
    virtual const scenefile::SceneKeyReader* SceneKeys() const { return nullptr; }
};

// The descriptor the system's plug-in classes derive from; the host's
// parameter-block services attach here.
class ClassDesc2 : public ClassDesc {};
