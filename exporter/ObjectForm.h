#pragma once
// An evaluated object in the form of one object class: the object itself when
// it is of that class, otherwise a converted copy at time 0 that belongs to
// the exporter and is released with this.

#include "host/core/ClassId.h"
#include "host/scene/Object.h"

class ObjectForm {
public:
    ObjectForm(Object* evaluated, Class_ID formClass);
    ~ObjectForm();
    ObjectForm(const ObjectForm&) = delete;
    ObjectForm& operator=(const ObjectForm&) = delete;

    // Of the class asked for; null when the object cannot take that form.
    Object* Get() const { return form_; }

private:
    Object* evaluated_;
    Object* form_ = nullptr;
};
