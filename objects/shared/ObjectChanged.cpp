#include "objects/shared/ObjectChanged.h"

void NotifyObjectChanged(Animatable&) {}
