#include "host/scene/DerivedObject.h"

Modifier* DerivedObject::GetModifier(int index) const {
    return index >= 0 && index < NumModifiers() ? modifiers_[index] : nullptr;
}

ObjectState DerivedObject::Eval(TimeValue t) { return base_ != nullptr ? base_->Eval(t) : ObjectState{}; }
