#pragma once
// The root of everything the host creates through a class descriptor:
// objects, modifiers, materials, texture maps, controllers, exporters.
// Plug-in classes add their own virtual operations after these, so the
// order here is part of the contract between the host and the modules.

#include "host/core/ClassId.h"

#include <string>

class Animatable {
public:
    virtual ~Animatable() = default;
    virtual Class_ID ClassID() const = 0;
    virtual SClass_ID SuperClassID() const = 0;
    virtual std::string GetClassName() const { return {}; }
    // Frees the instance; host and modules each free what they allocated.
    virtual void DeleteThis() { delete this; }
};
