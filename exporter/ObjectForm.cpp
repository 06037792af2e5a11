#include "exporter/ObjectForm.h"

ObjectForm::ObjectForm(Object* evaluated, Class_ID formClass) : evaluated_(evaluated) {
    if (!evaluated_ || !evaluated_->CanConvertToType(formClass)) return;
    form_ = evaluated_->ConvertToType(0, formClass);
    // The conversion promises the class; the callers cast on that promise.
    if (form_ && form_->ClassID() != formClass) {
        if (form_ != evaluated_) form_->DeleteThis();
        form_ = nullptr;
    }
}

ObjectForm::~ObjectForm() {
    if (form_ && form_ != evaluated_) form_->DeleteThis();
}
