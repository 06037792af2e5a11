#pragma once
// Object-space modifiers: what sits in a node's modifier stack. Plug-in
// modifiers derive from Modifier and add their own operations after these.

#include "host/core/Animatable.h"
#include "host/scene/HostClassIds.h"

#include <string>
#include <utility>

class Modifier : public Animatable {
public:
    SClass_ID SuperClassID() const override { return OSM_CLASS_ID; }
    // The class of object the modifier works on: it is offered for an object
    // only when the object converts to that class. The null id takes any.
    virtual Class_ID InputType() const { return Class_ID(); }
};

// A host modifier none of the plug-ins know (a bend, say), known by its name.
// It changes nothing.
class OtherModifier : public Modifier {
public:
    explicit OtherModifier(std::string name) : name_(std::move(name)) {}

    Class_ID ClassID() const override { return OTHER_MODIFIER_CLASS_ID; }
    std::string GetClassName() const override { return name_; }

private:
    std::string name_;
};
