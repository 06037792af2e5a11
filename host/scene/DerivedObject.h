#pragma once
// An object with a modifier stack: the base object and the modifiers applied
// to it, index 0 being the top of the stack (the last applied).

#include "host/scene/HostClassIds.h"
#include "host/scene/Modifier.h"
#include "host/scene/Object.h"

#include <vector>

class IDerivedObject : public Object {
public:
    SClass_ID SuperClassID() const override { return GEN_DERIVOB_CLASS_ID; }

    virtual int NumModifiers() const = 0;
    // Null outside 0..NumModifiers()-1.
    virtual Modifier* GetModifier(int index) const = 0;
    virtual Object* GetObjRef() const = 0;
};

// Neither the base object nor the modifiers are owned: the scene owns them.
class DerivedObject : public IDerivedObject {
public:
    explicit DerivedObject(Object* base) : base_(base) {}

    Class_ID ClassID() const override { return DERIVOB_CLASS_ID; }

    int NumModifiers() const override { return static_cast<int>(modifiers_.size()); }
    Modifier* GetModifier(int index) const override;
    Object* GetObjRef() const override { return base_; }
    void SetObjRef(Object* base) { base_ = base; }
    // Below the modifiers already in the stack.
    void AddModifierAtBottom(Modifier* modifier) { modifiers_.push_back(modifier); }

    // The modifiers here change no geometry: the result is the base
    // object's own, so instances evaluate to one shared object. Conversions
    // belong to that result; the derived object itself converts to nothing.
    ObjectState Eval(TimeValue t) override;

private:
    Object* base_;
    std::vector<Modifier*> modifiers_;
};
