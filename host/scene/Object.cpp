#include "host/scene/Object.h"

ObjectState Object::Eval(TimeValue) { return ObjectState{this}; }

bool Object::CanConvertToType(Class_ID obtype) { return obtype == ClassID(); }

Object* Object::ConvertToType(TimeValue, Class_ID obtype) { return obtype == ClassID() ? this : nullptr; }
